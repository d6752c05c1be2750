#include "test_forms_framework_pinpad.h"

#include "bromo.h"
#include "ciraz.h"

#include <QLabel>
#include <cstring>
#include <dlfcn.h>

namespace PinpadFalso {
Estado& estado() {
    static Estado e;
    return e;
}
} // namespace PinpadFalso

namespace {
using PinpadFalso::estado;
template <class F> F* Proximo(const char* nome) { return reinterpret_cast<F*>(dlsym(RTLD_NEXT, nome)); }
} // namespace

#define FRACO __attribute__((weak))

FRACO int ProcessaDadosEmv(QLabel* mensagem) {
    if (estado().ativo) {
        if (mensagem && !estado().textoEmv.isEmpty()) mensagem->setText(estado().textoEmv);
        if (estado().processaEmv.empty()) return 0;
        const int r = estado().processaEmv.front();
        estado().processaEmv.pop_front();
        return r;
    }
    auto f = Proximo<int(QLabel*)>("_Z16ProcessaDadosEmvP6QLabel");
    return f ? f(mensagem) : -1;
}

FRACO int LerSenha(uintptr_t janela, const QString& a, const QString& b, int modo, const QString& titulo) {
    if (estado().ativo) {
        ++estado().chamadasSenha;
        estado().tituloSenha = titulo;
        return estado().senha;
    }
    auto f = Proximo<int(uintptr_t, const QString&, const QString&, int, const QString&)>(
        "_Z8LerSenhamRK7QStringS1_iS1_");
    return f ? f(janela, a, b, modo, titulo) : -1;
}

FRACO int ObtemDadosKora(char* buffer, int tipoProduto, const QString& extra, int& tamanho) {
    if (estado().ativo) {
        ++estado().chamadasDadosKora;
        estado().tipoProduto = tipoProduto;
        estado().extra = extra;
        tamanho = 0;
        if (estado().retDadosKora == 0) {
            tamanho = int(std::min<qsizetype>(estado().dadosKora.size(), 1025));
            std::memcpy(buffer, estado().dadosKora.constData(), size_t(tamanho));
        }
        return estado().retDadosKora;
    }
    auto f = Proximo<int(char*, int, const QString&, int&)>("_Z14ObtemDadosKoraPciRK7QStringRi");
    return f ? f(buffer, tipoProduto, extra, tamanho) : -1;
}

FRACO bool EhCartaoChipComContato() {
    if (estado().ativo) return estado().chipContato;
    auto f = Proximo<bool()>("_Z22EhCartaoChipComContatov");
    return f ? f() : false;
}

FRACO int FinalizaComunicacaoPinpad() {
    if (estado().ativo) {
        ++estado().finalizacoes;
        return 0;
    }
    auto f = Proximo<int()>("_Z25FinalizaComunicacaoPinpadv");
    return f ? f() : 0;
}
