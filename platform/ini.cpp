// Profile files with the host's semantics. QSettings is not used: it rewrites
// the whole file in its own format, escapes values and reorders sections,
// while the host's tools expect their files kept line for line.
#include "platform.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace Plataforma {
namespace {

QString CaminhoIni(const QString& arquivo) {
    if (arquivo.startsWith('/')) return arquivo;
    return DiretorioHost() + arquivo;
}

QStringList LeLinhas(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QString texto = QString::fromLatin1(f.readAll());
    texto.replace("\r\n", "\n");
    QStringList linhas = texto.split('\n');
    if (!linhas.isEmpty() && linhas.last().isEmpty()) linhas.removeLast();
    return linhas;
}

bool EhSecao(const QString& linha, QString* nome) {
    const QString t = linha.trimmed();
    if (t.size() < 2 || !t.startsWith('[')) return false;
    const int fim = t.indexOf(']');
    if (fim < 0) return false;
    if (nome) *nome = t.mid(1, fim - 1).trimmed();
    return true;
}

// Splits "key=value"; comments (';') and lines without '=' are not entries.
bool EhEntrada(const QString& linha, QString* chave, QString* valor) {
    const QString t = linha.trimmed();
    if (t.isEmpty() || t.startsWith(';')) return false;
    const int igual = t.indexOf('=');
    if (igual <= 0) return false;
    if (chave) *chave = t.left(igual).trimmed();
    if (valor) *valor = t.mid(igual + 1).trimmed();
    return true;
}

} // namespace

RetratoIni::RetratoIni(const QString& arquivo) : linhas_(LeLinhas(CaminhoIni(arquivo))) {}

QString RetratoIni::le(const QString& secao, const QString& chave, const QString& padrao) const {
    bool naSecao = false;
    for (const QString& linha : linhas_) {
        QString nome, k, v;
        if (EhSecao(linha, &nome)) {
            naSecao = nome.compare(secao, Qt::CaseInsensitive) == 0;
        } else if (naSecao && EhEntrada(linha, &k, &v) && k.compare(chave, Qt::CaseInsensitive) == 0) {
            // Like the host's reader, a value wrapped in quotes loses them.
            if (v.size() >= 2 && ((v.startsWith('"') && v.endsWith('"')) || (v.startsWith('\'') && v.endsWith('\''))))
                v = v.mid(1, v.size() - 2);
            return v;
        }
    }
    return padrao;
}

QString LeIni(const QString& arquivo, const QString& secao, const QString& chave, const QString& padrao) {
    return RetratoIni(arquivo).le(secao, chave, padrao);
}

int LeIniInt(const QString& arquivo, const QString& secao, const QString& chave, int padrao) {
    const QString v = LeIni(arquivo, secao, chave);
    // Leading digits count, as the host's reader does ("12abc" is 12).
    int i = 0;
    if (i < v.size() && (v[i] == '-' || v[i] == '+')) ++i;
    const int inicioDigitos = i;
    while (i < v.size() && v[i].isDigit()) ++i;
    if (i == inicioDigitos) return padrao;
    bool ok = false;
    const int n = v.left(i).toInt(&ok);
    return ok ? n : padrao;
}

bool GravaIni(const QString& arquivo, const QString& secao, const QString& chave, const QString& valor) {
    const QString caminho = CaminhoIni(arquivo);
    QStringList linhas = LeLinhas(caminho);
    int inicio = -1, fimSecao = -1;
    for (int i = 0; i < linhas.size(); ++i) {
        QString nome;
        if (EhSecao(linhas[i], &nome)) {
            if (inicio >= 0) {
                fimSecao = i;
                break;
            }
            if (nome.compare(secao, Qt::CaseInsensitive) == 0) inicio = i;
        }
    }
    const QString nova = chave + '=' + valor;
    if (inicio < 0) {
        if (!linhas.isEmpty() && !linhas.last().trimmed().isEmpty()) linhas << QString();
        linhas << '[' + secao + ']' << nova;
    } else {
        if (fimSecao < 0) fimSecao = linhas.size();
        int ultimaEntrada = inicio;
        bool trocada = false;
        for (int i = inicio + 1; i < fimSecao; ++i) {
            QString k;
            QString atual;
            if (EhEntrada(linhas[i], &k, &atual)) {
                ultimaEntrada = i;
                if (k.compare(chave, Qt::CaseInsensitive) == 0) {
                    // Rewriting (and syncing) a file to say what it says already is
                    // pure cost on every transaction.
                    if (atual == valor.trimmed()) return true;
                    linhas[i] = nova;
                    trocada = true;
                    break;
                }
            }
        }
        if (!trocada) linhas.insert(ultimaEntrada + 1, nova);
    }
    QSaveFile f(caminho);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write((linhas.join("\r\n") + "\r\n").toLatin1());
    return f.commit();
}

} // namespace Plataforma
