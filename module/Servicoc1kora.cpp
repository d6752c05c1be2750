#include "Servicoc1kora.h"

#include "Campos.h"
#include "LeitorBytes.h"

#include <cstring>

namespace {
constexpr int MAX_TAM_SERVICO = 8193;
}

int TEntradaC1::tipoNumero() const {
    if (tipo.size() != 2) return 0;
    int v = 0;
    for (char c : tipo) {
        if (c < '0' || c > '9') return 0;
        v = v * 10 + (c - '0');
    }
    return v;
}

bool TEntradaC1::vazia() const { return tipoNumero() == 0 && codigo.count('\0') == codigo.size(); }

int TServicoC1::quantidadeGravada() const {
    LeitorBytes l(dados, sizeof dados);
    uint16_t n = 0;
    l.u16(n);
    return n;
}

int TServicoC1::quantidade() const {
    const int n = quantidadeGravada();
    return n > MAX_ENTRADAS_C1 ? MAX_ENTRADAS_C1 : n;
}

TEntradaC1 TServicoC1::entrada(int k) const {
    TEntradaC1 e;
    if (k < 0 || k >= MAX_ENTRADAS_C1) return e;
    LeitorBytes l(dados, sizeof dados);
    unsigned char c = 0;
    if (!l.pula(2 + size_t(k) * TAM_ENTRADA_C1)) return e;
    if (l.byte(c)) e.pedeAutorizacao = char(c);
    if (l.byte(c)) e.pedeEmbosso = char(c);
    if (l.byte(c)) e.pedeCSeg = char(c);
    l.bytes(2, e.tipo);
    l.bytes(4, e.codigo);
    if (l.bytes(40, e.descricao)) {
        const qsizetype zero = e.descricao.indexOf('\0');
        if (zero >= 0) e.descricao.truncate(zero);
    }
    return e;
}

int TServicoC1::procuraCodigo(const QByteArray& codigo) const {
    for (int k = 0; k < quantidade(); ++k)
        if (entrada(k).codigo == codigo) return k;
    return -1;
}

void TServicoC1::limpa() { std::memset(dados, 0, sizeof dados); }

bool DecodificaServicoC1(const unsigned char* dados, size_t tamanho, TServicoC1& saida) {
    saida.limpa();
    if (!dados) return false;
    const size_t n = tamanho < size_t(TAM_SERVICO_C1) ? tamanho : size_t(TAM_SERVICO_C1);
    std::memcpy(saida.dados, dados, n);
    return n == size_t(TAM_SERVICO_C1);
}

bool TrataServicoC1(TServicoC1& saida) {
    saida.limpa();
    // The count is read as the product list reads it: four characters at most.
    bool ok = false;
    int n = Campos::Apara(Campos::LeBytes(CAMPO_QTD_SERVICOS_GUARDADOS, 4)).toInt(&ok);
    if (!ok) n = 0;
    for (int i = 0; i < n; ++i) {
        const QByteArray s = Campos::LeBytes(CAMPO_SERVICOS_GUARDADOS, MAX_TAM_SERVICO, i);
        if (!s.startsWith("C1")) continue;
        DecodificaServicoC1(reinterpret_cast<const unsigned char*>(s.constData()) + 2, size_t(s.size() - 2), saida);
        return true;
    }
    return false;
}
