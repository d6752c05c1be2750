#include "platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>

#include <atomic>
#include <mutex>

namespace Plataforma {
namespace {
std::atomic<uintptr_t> g_handle{0};
QString g_diretorio;
qint64 g_deslocamentoMs = 0; // scripted clock: offset from the real one
bool g_relogioFixo = false;
} // namespace

uintptr_t HandleAplicacao() { return g_handle.load(); }
void DefineHandleAplicacao(uintptr_t handle) { g_handle.store(handle); }

bool GaranteAplicacao() {
    if (QCoreApplication::instance()) return false;
    // The host may be a plain program without a GUI object; dialogs need one.
    static int argc = 1;
    static char nome[] = "Kora41";
    static char* argv[] = {nome, nullptr};
    new QApplication(argc, argv);
    return true;
}

void ProcessMessages() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

int MessageBox(const QString& texto, const QString& titulo, int botoes, Icone icone, QWidget* pai) {
    GaranteAplicacao();
    QMessageBox box(pai);
    box.setObjectName("MessageBox");
    box.setWindowTitle(titulo);
    box.setText(texto);
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    switch (icone) {
    case Icone::Informacao: box.setIcon(QMessageBox::Information); break;
    case Icone::Exclamacao: box.setIcon(QMessageBox::Warning); break;
    case Icone::Erro: box.setIcon(QMessageBox::Critical); break;
    case Icone::Pergunta: box.setIcon(QMessageBox::Question); break;
    case Icone::Nenhum: break;
    }
    switch (botoes) {
    case MB_OKCANCEL: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MB_YESNO: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    const int r = box.exec();
    switch (r) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return botoes == MB_YESNO ? IDNO : IDCANCEL;
    }
}

bool CopiaArquivo(const QString& origem, const QString& destino, bool falhaSeExiste) {
    if (QFile::exists(destino)) {
        if (falhaSeExiste) return false;
        QFile::remove(destino);
    }
    return QFile::copy(origem, destino);
}

QString DiretorioHost() {
    QString d = g_diretorio;
    if (d.isEmpty()) d = qEnvironmentVariable("TULEN_HOST_DIR");
    if (d.isEmpty()) d = QDir::currentPath();
    if (!d.endsWith('/')) d += '/';
    return d;
}

void DefineDiretorioHost(const QString& dir) { g_diretorio = dir; }

QDateTime Agora() {
    const QDateTime real = QDateTime::currentDateTime();
    return g_relogioFixo ? real.addMSecs(g_deslocamentoMs) : real;
}

void DefineAgora(const QDateTime& instante) {
    g_relogioFixo = instante.isValid();
    g_deslocamentoMs = g_relogioFixo ? QDateTime::currentDateTime().msecsTo(instante) : 0;
}

} // namespace Plataforma
