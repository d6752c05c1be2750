// `hostsim desk`: the parent only supervises. The desk runs in a child with
// the module loaded; when the module brings the child down, the parent starts
// a new one that says why on top and keeps the recording made so far.
// TULEN_DESK_CALL=Function:arg makes the first desk call that entry point
// once it is up (the supervisor's test brings a module down that way).
#include "mesa.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace hostsim::desk {
namespace {

[[noreturn]] void Filho(const OpcoesMesa& op) {
    static int argc = 1;
    static char nome[] = "hostsim";
    static char* argv[] = {nome, nullptr};
    // Never destroyed: the module's objects may outlive the window.
    auto* app = new QApplication(argc, argv);
    auto* mesa = new Mesa(op);
    QString erro;
    const bool carregou = mesa->Carrega(erro);
    mesa->show();
    if (!carregou) QMessageBox::critical(mesa, mesa->windowTitle(), erro);
    const QString chamada = qEnvironmentVariable("TULEN_DESK_CALL");
    if (carregou && chamada.contains(':')) mesa->Chama(chamada.section(':', 0, 0), chamada.section(':', 1).toInt());
    const int rc = app->exec();
    std::fflush(nullptr);
    // No static destructors: the module's may run against a gone application.
    _exit(carregou ? rc : 1);
}

QString EmCurso(const QString& diario) {
    QFile f(diario);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(f.readAll()).object().value("_running").toString();
}

} // namespace

int Desk(const QString& modulo) {
    QTemporaryDir tmp(QDir::tempPath() + QStringLiteral("/hostsim-desk-run-XXXXXX"));
    if (!tmp.isValid()) {
        std::fputs("hostsim: cannot create the desk's folder\n", stderr);
        return 1;
    }
    OpcoesMesa op{modulo, tmp.filePath(QStringLiteral("recording.json")), {}, {}};
    int quedasSeguidas = 0;
    for (;;) {
        std::fflush(nullptr);
        const auto inicio = std::chrono::steady_clock::now();
        const pid_t pid = ::fork();
        if (pid < 0) {
            std::perror("hostsim: fork");
            return 1;
        }
        if (pid == 0) {
            // The desk goes with its supervisor.
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (::getppid() == 1) _exit(1);
            Filho(op);
        }
        ::unsetenv("TULEN_DESK_CALL");
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        const QString onde = EmCurso(op.diario);
        // An exit in the middle of a call is the module's doing too (a
        // sanitizer, or the module calling exit).
        if (WIFEXITED(status) && (onde.isEmpty() || WEXITSTATUS(status) == 0)) return WEXITSTATUS(status);
        if (onde.isEmpty()) {
            // Not the module's: no display, or the desk itself failed.
            std::fprintf(stderr, "hostsim: the desk ended (signal %d) outside any call of the module\n",
                         WIFSIGNALED(status) ? WTERMSIG(status) : 0);
            return 1;
        }
        const QString como = WIFSIGNALED(status)
                                 ? QStringLiteral("crashed (signal %1, %2)")
                                       .arg(WTERMSIG(status))
                                       .arg(QString::fromLocal8Bit(strsignal(WTERMSIG(status))))
                                 : QStringLiteral("ended the desk (status %1)").arg(WEXITSTATUS(status));
        op.aviso = QStringLiteral("The module %1%2. The desk started again with a fresh host; "
                                  "the recording so far is kept, its last step being the one that failed.")
                       .arg(como, " during " + onde);
        std::fprintf(stderr, "hostsim: %s\n", op.aviso.toLocal8Bit().constData());
        // A module that falls at every start would make this a loop.
        quedasSeguidas = std::chrono::steady_clock::now() - inicio < std::chrono::seconds(3) ? quedasSeguidas + 1 : 0;
        if (quedasSeguidas >= 3) {
            std::fputs("hostsim: the desk fell three times right after starting; giving up\n", stderr);
            return 1;
        }
    }
}

} // namespace hostsim::desk
