// hostsim: the simulated host's command line. The work is in the runner library.
#include "runner.h"
#include "desk/mesa.h"

#include <QApplication>
#include <QString>
#include <cstdio>

namespace {

int Uso(const char* porque) {
    if (porque) std::fprintf(stderr, "hostsim: %s\n", porque);
    std::fputs("usage: hostsim run SCENARIO.json [--module PATH] [--out RESULT.json] [--shots DIR]\n"
               "                   [--expect EXPECTED.json] [--summary] [--window] [--watchdog SECONDS]\n"
               "                   [--card-data masked|full] [--keep-host DIR]\n"
               "       hostsim gallery DIR [--module PATH] [--window]\n"
               "       hostsim desk [--module PATH]\n"
               "       hostsim run --help\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    using hostsim::runner::Opcoes;
    if (argc < 2) return Uso(nullptr);
    const QString comando = QString::fromLocal8Bit(argv[1]);
    if (comando == "--help" || comando == "-h" || comando == "help") {
        std::fputs(hostsim::runner::Ajuda().toUtf8().constData(), stdout);
        return 0;
    }
    if (comando == "desk") {
        QString modulo;
        for (int i = 2; i < argc; ++i) {
            if (QString::fromLocal8Bit(argv[i]) == "--module" && i + 1 < argc)
                modulo = QString::fromLocal8Bit(argv[++i]);
            else
                return Uso("usage: hostsim desk [--module PATH]");
        }
        return hostsim::desk::Desk(modulo);
    }
    if (comando != "run" && comando != "gallery") return Uso("unknown command");

    Opcoes o;
    QString posicional;
    for (int i = 2; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        auto valor = [&](QString& destino) {
            if (i + 1 >= argc) return false;
            destino = QString::fromLocal8Bit(argv[++i]);
            return true;
        };
        if (a == "--help" || a == "-h") {
            std::fputs(hostsim::runner::Ajuda().toUtf8().constData(), stdout);
            return 0;
        }
        bool ok = true;
        if (a == "--module")
            ok = valor(o.modulo);
        else if (a == "--out")
            ok = valor(o.saida);
        else if (a == "--shots")
            ok = valor(o.shots);
        else if (a == "--expect")
            ok = valor(o.expect);
        else if (a == "--keep-host")
            ok = valor(o.guardaHost);
        else if (a == "--card-data") {
            QString s;
            ok = valor(s) && (s == "masked" || s == "full");
            o.cartaoCompleto = s == "full";
        } else if (a == "--summary")
            o.resumo = true;
        else if (a == "--window")
            o.janela = true;
        else if (a == "--watchdog") {
            QString s;
            ok = valor(s);
            o.vigiaSegundos = s.toInt(&ok);
            ok = ok && o.vigiaSegundos > 0;
        } else if (a.startsWith('-') || !posicional.isEmpty()) {
            return Uso(("unexpected argument " + a).toLocal8Bit().constData());
        } else {
            posicional = a;
        }
        if (!ok) return Uso(("bad value for " + a).toLocal8Bit().constData());
    }
    if (posicional.isEmpty()) return Uso(comando == "run" ? "no scenario given" : "no folder given");

    if (comando == "gallery") {
        if (!o.janela) qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return hostsim::runner::Galeria(o.modulo, posicional);
    }
    o.cenario = posicional;
    return hostsim::runner::Run(o);
}
