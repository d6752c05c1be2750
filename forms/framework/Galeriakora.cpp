#include "Galeriakora.h"

#include "platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QThread>
#include <string>
#include <utility>
#include <vector>

namespace {
struct EntradaGaleria {
    std::string nome;
    FabricaFormGaleria fabrica;
};

// Filled by static initializers of the form units: a function-local static
// is ready whatever the order of those initializers.
std::vector<EntradaGaleria>& Registro() {
    static std::vector<EntradaGaleria> r;
    return r;
}

void ProcessaPor(int ms) {
    for (int i = 0; i < ms; i += 5) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(5);
    }
}
} // namespace

void RegistraFormGaleria(const char* nome, FabricaFormGaleria fabrica) {
    if (!nome || !*nome || !fabrica) return;
    for (auto& e : Registro())
        if (e.nome == nome) {
            e.fabrica = std::move(fabrica);
            return;
        }
    Registro().push_back({nome, std::move(fabrica)});
}

QStringList FormsGaleria() {
    QStringList nomes;
    for (const auto& e : Registro()) nomes << QString::fromStdString(e.nome);
    return nomes;
}

extern "C" KORA_GALERIA_API int Kora41Galeria(const char* dir) {
    try {
        if (!dir || !*dir) return -1;
        Plataforma::GaranteAplicacao();
        const QString pasta = QString::fromLocal8Bit(dir);
        if (!QDir().mkpath(pasta)) return -1;
        int salvos = 0;
        for (const auto& e : Registro()) {
            QDialog* form = nullptr;
            try {
                form = e.fabrica();
            } catch (...) {
                form = nullptr;
            }
            if (!form) continue;
            form->show();
            ProcessaPor(40);
            const QPixmap foto = form->grab();
            if (!foto.isNull() && foto.save(QDir(pasta).filePath(QString::fromStdString(e.nome) + ".png"), "PNG"))
                ++salvos;
            form->hide();
            delete form;
            QCoreApplication::processEvents();
        }
        return salvos;
    } catch (...) {
        return -1;
    }
}
