#include "sigilo.h"

#include <QJsonArray>

namespace hostsim {

bool CampoSigiloso(int campo) {
    switch (campo) {
    case 10104:
    case 10109:
    case 10110:
    case 10149:
    case 10176:
    case 10201:
    case 10225:
    case 20001:
    case 20035: return true;
    default: return false;
    }
}

namespace {

bool Digito(char c) { return c >= '0' && c <= '9'; }

// The end of a grouped card number starting at `i` ("5555 6666 7777 8888"),
// or -1 when there is none there.
qsizetype FimAgrupado(const QByteArray& r, qsizetype i, int& digitos) {
    const qsizetype n = r.size();
    qsizetype j = i;
    while (j < n && Digito(r[j])) ++j;
    if (j - i != 4 || j >= n || (r[j] != ' ' && r[j] != '-')) return -1;
    const char sep = r[j];
    digitos = 4;
    while (j + 1 < n && r[j] == sep && Digito(r[j + 1])) {
        qsizetype k = j + 1;
        while (k < n && Digito(r[k])) ++k;
        if (k - (j + 1) < 4 || k - (j + 1) > 6) break;
        digitos += int(k - (j + 1));
        j = k;
    }
    return digitos >= 13 && digitos <= 19 ? j : -1;
}

} // namespace

QByteArray MascaraPan(const QByteArray& texto) {
    QByteArray r = texto;
    const qsizetype n = r.size();
    qsizetype i = 0;
    while (i < n) {
        if (!Digito(r[i])) {
            ++i;
            continue;
        }
        int digitos = 0;
        if (const qsizetype fim = FimAgrupado(r, i, digitos); fim > 0) {
            // Keep the first six and the last four digits, separators as they are.
            int visto = 0;
            for (qsizetype k = i; k < fim; ++k)
                if (Digito(r[k]) && ++visto > 6 && visto <= digitos - 4) r[k] = '*';
            i = fim;
            continue;
        }
        qsizetype j = i;
        while (j < n && Digito(r[j])) ++j;
        if (j - i >= 13 && j - i <= 19) {
            for (qsizetype k = i + 6; k < j - 4; ++k) r[k] = '*';
            // What follows a card number's track separator is the rest of the
            // track (expiry, service code, discretionary data).
            if (j < n && (r[j] == '=' || r[j] == '^' || r[j] == 'D' || r[j] == 'd')) {
                ++j;
                while (j < n && r[j] != ' ' && r[j] != '\t' && r[j] != ';' && r[j] != '|') r[j++] = '*';
            }
        }
        i = j;
    }
    return r;
}

namespace {

QString Mascara(const QString& texto, bool hexa, bool sigiloso) {
    QByteArray b = hexa ? QByteArray::fromHex(texto.toLatin1()) : texto.toLatin1();
    b = sigiloso ? QByteArray(b.size(), '*') : MascaraPan(b);
    return QString::fromLatin1(hexa ? b.toHex() : b);
}

QJsonValue MascaraValor(const QJsonValue& v, bool hexa, bool sigiloso);

// { "N": value } of a field map: a secret field's value is hidden whole.
QJsonObject MascaraMapa(const QJsonObject& mapa, bool hexa) {
    QJsonObject r;
    for (auto it = mapa.begin(); it != mapa.end(); ++it)
        r.insert(it.key(), MascaraValor(it.value(), hexa, CampoSigiloso(it.key().toInt())));
    return r;
}

QJsonValue MascaraValor(const QJsonValue& v, bool hexa, bool sigiloso) {
    if (v.isString()) return Mascara(v.toString(), hexa, sigiloso);
    if (v.isArray()) {
        QJsonArray r;
        for (const QJsonValue& e : v.toArray()) r.append(MascaraValor(e, hexa, sigiloso));
        return r;
    }
    if (!v.isObject()) return v;
    const QJsonObject o = v.toObject();
    QJsonObject r;
    // A request's entry: its value is the field's.
    const bool entrada = o.contains("field") && o.contains("value");
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QString& k = it.key();
        const bool h = hexa || k.endsWith(QLatin1String("Hex"));
        // The host's ini files and the names of its files are not masked on its disk either.
        if (k == QLatin1String("ini") || k == QLatin1String("hostFiles"))
            r.insert(k, it.value());
        else if (k == QLatin1String("fields") || k == QLatin1String("fieldsHex") || k == QLatin1String("indexed") ||
                 k == QLatin1String("indexedHex"))
            r.insert(k, it.value().isObject() ? QJsonValue(MascaraMapa(it.value().toObject(), h))
                                              : MascaraValor(it.value(), h, sigiloso));
        else if (entrada && k == QLatin1String("value"))
            r.insert(k, MascaraValor(it.value(), h, CampoSigiloso(o.value("field").toInt())));
        else
            r.insert(k, MascaraValor(it.value(), h, sigiloso));
    }
    return r;
}

} // namespace

QJsonObject MascaraDocumento(const QJsonObject& resultado) { return MascaraValor(resultado, false, false).toObject(); }

} // namespace hostsim
