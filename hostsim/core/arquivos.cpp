#include "estado.h"
#include "hostlib.h"
#include "sigilo.h"
#include "platform.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace hostsim {

namespace {

// Every audit and pinpad line is stamped and named by date; QDateTime's
// toString parses its pattern on each call, which showed in the time a form
// takes to open.
QByteArray Carimbo(const QDateTime& agora) {
    const QDate d = agora.date();
    const QTime t = agora.time();
    char b[32];
    std::snprintf(b, sizeof b, "%02d/%02d/%04d %02d:%02d:%02d.%03d", d.day(), d.month(), d.year(), t.hour(), t.minute(),
                  t.second(), t.msec());
    return b;
}

QString Dia(const QDateTime& agora) {
    const QDate d = agora.date();
    char b[16];
    std::snprintf(b, sizeof b, "%04d%02d%02d", d.year(), d.month(), d.day());
    return QString::fromLatin1(b);
}

// One line per record: what the module wrote stays on one line.
QByteArray UmaLinha(QByteArray texto) {
    for (char& c : texto)
        if (c == '\r' || c == '\n') c = ' ';
    return texto;
}

// Plain POSIX: a line is one append, and QFile's open costs more than the
// line itself on the way to every form.
bool Acrescenta(const QString& caminho, const QByteArray& linha) {
    const int fd = ::open(QFile::encodeName(caminho).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    qsizetype feito = 0;
    while (feito < linha.size()) {
        const ssize_t n = ::write(fd, linha.constData() + feito, size_t(linha.size() - feito));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        feito += n;
    }
    return ::close(fd) == 0 && feito == linha.size();
}

struct Banco {
    sqlite3* db = nullptr;
    ~Banco() {
        if (db) sqlite3_close(db);
    }
    bool executa(const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }
};

bool AbreBanco(Banco& b) {
    const QByteArray caminho = QFile::encodeName(Plataforma::DiretorioHost() + "Transacoes.db");
    if (sqlite3_open_v2(caminho.constData(), &b.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        return false;
    sqlite3_busy_timeout(b.db, 2000);
    // FULL: the call returns only once the row is on disk, so a crash right
    // after it loses nothing.
    return b.executa("PRAGMA synchronous=FULL") && b.executa("CREATE TABLE IF NOT EXISTS transacoes ("
                                                             " id INTEGER PRIMARY KEY AUTOINCREMENT,"
                                                             " instante TEXT NOT NULL,"
                                                             " campos TEXT NOT NULL)");
}

} // namespace

int GravaTransacao(const CamposHost& campos) {
    const QByteArray json = QJsonDocument(FotografiaCampos(campos, true)).toJson(QJsonDocument::Compact);
    const QByteArray instante = Plataforma::Agora().toString(Qt::ISODateWithMs).toUtf8();
    Banco b;
    if (!AbreBanco(b)) return -1;
    if (!b.executa("BEGIN IMMEDIATE")) return -2;
    sqlite3_stmt* st = nullptr;
    bool ok = sqlite3_prepare_v2(b.db, "INSERT INTO transacoes (instante, campos) VALUES (?, ?)", -1, &st, nullptr) ==
              SQLITE_OK;
    ok = ok && sqlite3_bind_text(st, 1, instante.constData(), int(instante.size()), SQLITE_TRANSIENT) == SQLITE_OK;
    ok = ok && sqlite3_bind_text(st, 2, json.constData(), int(json.size()), SQLITE_TRANSIENT) == SQLITE_OK;
    ok = ok && sqlite3_step(st) == SQLITE_DONE;
    sqlite3_finalize(st);
    if (!ok) {
        b.executa("ROLLBACK");
        return -3;
    }
    return b.executa("COMMIT") ? 0 : -4;
}

bool GravaLinhaAudit(const QByteArray& texto) {
    const QDateTime agora = Plataforma::Agora();
    const QString dir = Plataforma::DiretorioHost() + "Audit";
    const QString nome = dir + '/' + Dia(agora) + ".aud";
    const QByteArray linha = Carimbo(agora) + ' ' + UmaLinha(MascaraPan(texto)) + "\r\n";
    // The folder is made only when the file cannot be opened without it.
    return Acrescenta(nome, linha) || (QDir().mkpath(dir) && Acrescenta(nome, linha));
}

void GravaLogPinpad(const QString& linha) {
    const QDateTime agora = Plataforma::Agora();
    const QString nome = Plataforma::DiretorioHost() + "BiblPinPad." + Dia(agora) + ".dmp";
    Acrescenta(nome, Carimbo(agora) + ' ' + UmaLinha(MascaraPan(linha.toLatin1())) + "\r\n");
}

} // namespace hostsim
