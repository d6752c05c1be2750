// tulen_carddata: fails when a file the simulated host wrote holds a test
// card's full number, its track data or its security code.
//   tulen_carddata --secrets PATH... --scan DIR...
// Secrets are read from scenario-shaped JSON files (a directory is searched
// for *.json): every card number in any of their texts, with the rest of its
// track, and the security code of field 10149. Every file under the scanned
// directories is examined, result documents included.
#include "Segredoscartao.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <cstdio>
#include <algorithm>

namespace {

using DadosCartao::Segredos;

bool LeSegredos(const QString& caminho, Segredos& s) {
    QStringList arquivos;
    if (QFileInfo(caminho).isDir()) {
        QDirIterator it(caminho, {"*.json"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) arquivos << it.next();
    } else {
        arquivos << caminho;
    }
    for (const auto& a : arquivos) {
        QFile f(a);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "carddata: cannot read %s\n", qPrintable(a));
            return false;
        }
        QJsonParseError erro;
        const QJsonDocument d = QJsonDocument::fromJson(f.readAll(), &erro);
        if (d.isNull()) continue; // not a scenario: nothing to learn from it
        DadosCartao::ColetaSegredos(d, s);
    }
    return true;
}

void Unico(std::vector<std::string>& v) {
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Segredos s;
    QStringList dirs;
    enum { NADA, SEGREDOS, VARRE } modo = NADA;
    for (const QString& a : app.arguments().mid(1)) {
        if (a == QLatin1String("--secrets"))
            modo = SEGREDOS;
        else if (a == QLatin1String("--scan"))
            modo = VARRE;
        else if (modo == SEGREDOS) {
            if (!LeSegredos(a, s)) return 2;
        } else if (modo == VARRE)
            dirs << a;
        else {
            std::fprintf(stderr, "usage: tulen_carddata --secrets PATH... --scan DIR...\n");
            return 2;
        }
    }
    Unico(s.cartoes);
    Unico(s.restoTrilha);
    Unico(s.codigos);

    int arquivos = 0, achados = 0;
    for (const auto& d : dirs) {
        QDirIterator it(d, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString caminho = it.next();
            QFile f(caminho);
            if (!f.open(QIODevice::ReadOnly)) continue;
            const QByteArray conteudo = f.readAll();
            ++arquivos;
            for (const auto& a : DadosCartao::Examina({conteudo.constData(), size_t(conteudo.size())}, s)) {
                std::printf("carddata: %s: %s at byte %zu\n", qPrintable(caminho), a.oque.c_str(), a.posicao);
                ++achados;
            }
        }
    }
    std::printf("carddata: %d files checked against %zu card numbers, %zu track tails, %zu security codes: %s\n",
                arquivos, s.cartoes.size(), s.restoTrilha.size(), s.codigos.size(),
                achados ? "CARD DATA FOUND" : "clean");
    return achados ? 1 : 0;
}
