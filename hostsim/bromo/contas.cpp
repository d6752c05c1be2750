// Utility and tax bills: the check digit of a block of the typed line, as
// the banks compute it.
#include "bromo.h"

#include <QString>

namespace {
// Weights 2, 1, 2, 1, ... from the rightmost digit; each product adds its digits.
int Modulo10(const QString& digitos) {
    int soma = 0, peso = 2;
    for (qsizetype i = digitos.size() - 1; i >= 0; --i) {
        const int p = digitos[i].digitValue() * peso;
        soma += p / 10 + p % 10;
        peso = peso == 2 ? 1 : 2;
    }
    return (10 - soma % 10) % 10;
}

// Weights 2 to 9 from the rightmost digit, cycling; 11 minus the rest, 0 for a rest of 0 or 1.
int Modulo11(const QString& digitos) {
    int soma = 0, peso = 2;
    for (qsizetype i = digitos.size() - 1; i >= 0; --i) {
        soma += digitos[i].digitValue() * peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    const int resto = soma % 11;
    return resto <= 1 ? 0 : 11 - resto;
}
} // namespace

int ValidaDV(const QString& bloco, int tamanho, int posicao, QChar identificador) {
    if (tamanho != bloco.size() || posicao < 2 || posicao > tamanho) return -1;
    const QString dados = bloco.left(posicao - 1);
    for (QChar c : dados)
        if (!c.isDigit()) return -1;
    switch (identificador.toLatin1()) {
    case '6':
    case '7': return Modulo10(dados);
    case '8':
    case '9': return Modulo11(dados);
    default: return -1;
    }
}
