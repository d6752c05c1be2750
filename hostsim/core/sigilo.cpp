#include "sigilo.h"

namespace hostsim {

bool CampoSigiloso(int campo) {
    switch (campo) {
    case 10104: case 10109: case 10110: case 10149: case 10176:
    case 10201: case 10225: case 20001: case 20035:
        return true;
    default:
        return false;
    }
}

QByteArray MascaraPan(const QByteArray& texto) {
    QByteArray r = texto;
    const qsizetype n = r.size();
    qsizetype i = 0;
    while (i < n) {
        if (r[i] < '0' || r[i] > '9') {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < n && r[j] >= '0' && r[j] <= '9') ++j;
        if (j - i >= 13) {
            for (qsizetype k = i + 6; k < j - 4; ++k) r[k] = '*';
            // What follows a card number's track separator is the rest of the
            // track (expiry, service code, discretionary data).
            if (j < n && (r[j] == '=' || r[j] == '^' || r[j] == 'D')) {
                ++j;
                while (j < n && r[j] != ' ' && r[j] != '\t' && r[j] != ';' && r[j] != '|') r[j++] = '*';
            }
        }
        i = j;
    }
    return r;
}

} // namespace hostsim
