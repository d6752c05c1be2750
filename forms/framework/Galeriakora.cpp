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
struct EntradaAbrir {
    std::string nome;
    int (*abre)();
};
std::vector<EntradaAbrir>& RegistroAbrir() {
    static std::vector<EntradaAbrir> r;
    return r;
}
} // namespace

void RegistraFormAbrir(const char* nome, int (*abre)()) {
    if (!nome || !*nome || !abre) return;
    for (auto& e : RegistroAbrir())
        if (e.nome == nome) {
            e.abre = abre;
            return;
        }
    RegistroAbrir().push_back({nome, abre});
}

int AbreFormRegistrado(const char* nome) {
    if (!nome) return -1;
    for (const auto& e : RegistroAbrir())
        if (e.nome == nome) return e.abre();
    return -1;
}

QStringList FormsAbriveis() {
    QStringList nomes;
    for (const auto& e : RegistroAbrir()) nomes << QString::fromStdString(e.nome);
    return nomes;
}

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

int GeraGaleria(const char* dir) {
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
