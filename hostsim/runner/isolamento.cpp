// The run in a child process: the module may crash or stop answering, and the
// result must still say what happened. The child keeps its latest result on
// disk and ticks a pipe from its event loop; the parent waits on both.
#include "runner.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace hostsim::runner {
namespace {

QJsonObject LeJson(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(f.readAll()).object();
}

[[noreturn]] void Filho(const Opcoes& opcoes, const QString& parcial, int batimento) {
    if (!opcoes.janela) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(QFileInfo(parcial).absolutePath()));
    static int argc = 1;
    static char nome[] = "hostsim";
    static char* argv[] = {nome, nullptr};
    // Never destroyed: the module's forms and timers may outlive the run.
    new QApplication(argc, argv);
    Opcoes o = opcoes;
    o.parcial = parcial;
    o.batimento = batimento;
    QJsonObject r;
    const int rc = Executa(o, r);
    QFile f(parcial + ".final");
    if (f.open(QIODevice::WriteOnly)) f.write(QJsonDocument(r).toJson(QJsonDocument::Compact));
    f.close();
    std::fflush(nullptr);
    // No static destructors: the module's may run against a gone application.
    _exit(rc);
}

} // namespace

int ExecutaIsolado(const Opcoes& opcoes, QJsonObject& resultado) {
    QTemporaryDir tmp(QDir::tempPath() + QStringLiteral("/hostsim-run-XXXXXX"));
    int canal[2];
    if (!tmp.isValid() || ::pipe2(canal, O_CLOEXEC) != 0) {
        resultado = {{"ok", false}, {"failure", "cannot prepare the isolated run"}};
        return 1;
    }
    const QString parcial = tmp.filePath(QStringLiteral("result.json"));
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) {
        resultado = {{"ok", false}, {"failure", QStringLiteral("fork: %1").arg(std::strerror(errno))}};
        return 1;
    }
    if (pid == 0) {
        ::close(canal[0]);
        ::fcntl(canal[1], F_SETFL, O_NONBLOCK);
        Filho(opcoes, parcial, canal[1]);
    }
    ::close(canal[1]);

    using Relogio = std::chrono::steady_clock;
    auto ultimo = Relogio::now();
    bool travou = false;
    for (;;) {
        pollfd p{canal[0], POLLIN, 0};
        const int n = ::poll(&p, 1, 500);
        if (n > 0) {
            char buf[256];
            const ssize_t lidos = ::read(canal[0], buf, sizeof buf);
            if (lidos == 0) break; // the child is gone
            if (lidos > 0) ultimo = Relogio::now();
        } else if (n < 0 && errno != EINTR) {
            break;
        }
        if (Relogio::now() - ultimo > std::chrono::seconds(opcoes.vigiaSegundos)) {
            travou = true;
            ::kill(pid, SIGKILL);
            break;
        }
    }
    ::close(canal[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }

    if (!travou && WIFEXITED(status) && QFile::exists(parcial + ".final")) {
        resultado = LeJson(parcial + ".final");
        if (!resultado.contains("ok")) resultado = {{"ok", false}, {"failure", "the run left an unreadable result"}};
        return resultado["ok"].toBool() ? WEXITSTATUS(status) : 1;
    }

    // What the child last wrote, its steps as its journal has them, and the
    // reason it stopped where it did.
    resultado = LeJson(parcial);
    QString onde;
    QJsonArray passos = resultado["steps"].toArray();
    QFile diario(parcial + ".steps");
    if (diario.open(QIODevice::ReadOnly))
        for (const QByteArray& linha : diario.readAll().split('\n')) {
            const QJsonObject l = QJsonDocument::fromJson(linha).object();
            if (l.isEmpty()) continue; // a line cut short by the crash
            onde = l["running"].toString();
            if (!l.contains("index")) continue;
            const int i = l["index"].toInt();
            while (passos.size() <= i) passos.append(QJsonValue());
            passos[i] = l["entry"];
        }
    resultado["steps"] = passos;
    QString porque;
    if (travou)
        porque = QStringLiteral("the module made no progress for %1 s (hung); killed by the runner")
                     .arg(opcoes.vigiaSegundos);
    else if (WIFSIGNALED(status) && onde == QLatin1String(kCarregando))
        porque = QStringLiteral("the module crashed while loading the module (signal %1, %2)")
                     .arg(WTERMSIG(status))
                     .arg(strsignal(WTERMSIG(status)));
    else if (WIFSIGNALED(status))
        porque =
            QStringLiteral("the module crashed (signal %1, %2)").arg(WTERMSIG(status)).arg(strsignal(WTERMSIG(status)));
    else
        porque = QStringLiteral("the run ended with status %1 before writing its result").arg(WEXITSTATUS(status));
    const QString anterior = resultado["failure"].toString();
    resultado["ok"] = false;
    resultado["failure"] = (onde.isEmpty() || onde == QLatin1String(kCarregando) ? porque : onde + ": " + porque) +
                           (anterior.isEmpty() ? QString() : QStringLiteral(" (after: %1)").arg(anterior));
    return 1;
}

} // namespace hostsim::runner
