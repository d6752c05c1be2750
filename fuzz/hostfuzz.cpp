#include "hostfuzz.h"

#include "ciraz.h"
#include "estado.h"
#include "lentar.h"
#include "platform.h"
#include "pontal.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace FuzzHost {
namespace {
Respostas& r() {
    static Respostas s;
    return s;
}
} // namespace

Respostas& respostas() { return r(); }

void Prepara() {
    static bool feito = false;
    if (feito) return;
    feito = true;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lives for the whole process: the module's ini files go there.
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tulen-fuzz-XXXXXX"));
    Plataforma::DefineDiretorioHost(dir.path());
}

void Reinicia() {
    r() = Respostas{};
    hostsim::estado().campos.limpaTudo();
}

void Grava(uint16_t campo, const QByteArray& v, uint16_t indice) { hostsim::estado().campos.grava(campo, indice, v); }
QByteArray Le(uint16_t campo, uint16_t indice) { return hostsim::estado().campos.le(campo, indice); }
bool Existe(uint16_t campo, uint16_t indice) { return hostsim::estado().campos.existe(campo, indice); }

void Falha(const char* porque) {
    std::fprintf(stderr, "fuzz invariant broken: %s\n", porque);
    std::abort();
}

} // namespace FuzzHost

// The pinpad and card-range answers come from the input. Defined here, they
// take precedence over the simulated host's own.
int MontaDadosPinpad(int, QByteArray& buffer) {
    auto& s = FuzzHost::respostas();
    if (s.retPinpad == 0) buffer = s.bloco125;
    return s.retPinpad;
}

int ObtemDadosPinpadAutoCapturaEstendidaTagDF70(const QString&, QByteArray& buffer) {
    auto& s = FuzzHost::respostas();
    if (s.retDF70 == 0) buffer = s.df70;
    return s.retDF70;
}

bool FazConsultaBins(int, int, int, int, int, QString& autorizador, QString& segundo, int, QLabel*) {
    autorizador = FuzzHost::respostas().autorizador;
    segundo.clear();
    return FuzzHost::respostas().binsOk;
}

int RemoveCartao(const QString&) { return 0; }

// The transaction file is the host's durable store: a synced write for every
// input held the fuzzer to a few hundred runs a second, so here the sale is
// "stored" without a file.
int16_t PontalGravaArquivo(void) { return 0; }
