// The acquirer's list of cancellable transactions: the decoder over the raw
// input, then the same bytes stored among other reply services and found
// through the host's fields.
#include "Camposkora.h"
#include "Servicoc1kora.h"
#include "hostfuzz.h"

#include <fuzzer/FuzzedDataProvider.h>

using FuzzHost::Exige;

namespace {

void Confere(const TServicoC1& c1) {
    Exige(c1.quantidade() >= 0 && c1.quantidade() <= MAX_ENTRADAS_C1, "C1 count out of the record");
    for (int k = 0; k < MAX_ENTRADAS_C1; ++k) {
        const TEntradaC1 e = c1.entrada(k);
        Exige(e.tipo.size() == 2 && e.codigo.size() == 4 && e.descricao.size() <= 40, "C1 entry sizes");
        Exige(!e.descricao.contains('\0'), "C1 description past its zero");
        Exige(e.tipoNumero() >= 0 && e.tipoNumero() <= 99, "C1 kind out of two digits");
    }
    Exige(c1.entrada(MAX_ENTRADAS_C1).codigo.isEmpty() && c1.entrada(-1).codigo.isEmpty(), "C1 entry outside");
    const int i = c1.procuraCodigo(c1.entrada(0).codigo);
    Exige(i >= -1 && i < c1.quantidade(), "C1 search past the count");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    FuzzHost::Prepara();
    TServicoC1 c1;
    DecodificaServicoC1(d, n, c1);
    Confere(c1);

    FuzzedDataProvider p(d, n);
    FuzzHost::Reinicia();
    const int servicos = p.ConsumeIntegralInRange(0, 4);
    const int posicao = servicos ? p.ConsumeIntegralInRange(0, servicos - 1) : 0;
    // The stored count sometimes lies about the services present.
    const std::string contagem = p.ConsumeBool() ? std::to_string(servicos) : p.ConsumeRandomLengthString(5);
    FuzzHost::Grava(CAMPO_QTD_SERVICOS_GUARDADOS, QByteArray::fromStdString(contagem));
    for (int i = 0; i < servicos; ++i) {
        const std::string s = p.ConsumeRandomLengthString(1200);
        QByteArray b = QByteArray::fromStdString(s);
        b.prepend(i == posicao ? "C1" : "C2");
        FuzzHost::Grava(CAMPO_SERVICOS_GUARDADOS, b, uint16_t(i));
    }
    TServicoC1 lido;
    TrataServicoC1(lido);
    Confere(lido);
    return 0;
}
