// What every fuzz target shares: a simulated host reset before each input,
// answers of the pinpad and card-range packages taken from the input, and
// a few helpers over the field store.
#pragma once
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace FuzzHost {

struct Respostas {
    int retPinpad = 0;
    QByteArray bloco125;
    int retDF70 = 0;
    QByteArray df70;
    bool binsOk = true;
    QString autorizador = QStringLiteral("0125");
};

// Once per process: offscreen platform, a private host directory.
void Prepara();
// Before each input: empty field store, default answers.
void Reinicia();
Respostas& respostas();

void Grava(uint16_t campo, const QByteArray& v, uint16_t indice = 0);
QByteArray Le(uint16_t campo, uint16_t indice = 0);
bool Existe(uint16_t campo, uint16_t indice = 0);

// Stops the run with a crash the fuzzer records, for broken invariants.
[[noreturn]] void Falha(const char* porque);
inline void Exige(bool condicao, const char* porque) {
    if (!condicao) Falha(porque);
}

} // namespace FuzzHost
