#include "Galeriakora.h"

#include "platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>
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

// A picture shows the form as it opens: the timers that would click a button
// by themselves (auto-confirm, a menu's only option) must not run here.
void ParaTemporizadores(QObject* form) {
    for (QTimer* t : form->findChildren<QTimer*>()) t->stop();
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
            ParaTemporizadores(form);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            ParaTemporizadores(form);
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
