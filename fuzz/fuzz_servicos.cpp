// Reply services as the host keeps them: the pure decoders over the raw
// input, then the same bytes split into stored services and read back
// through the host's fields.
#include "Camposkora.h"
#include "Servicoskora.h"
#include "hostfuzz.h"

#include <fuzzer/FuzzedDataProvider.h>

using FuzzHost::Exige;

namespace {

QByteArray Pedaco(FuzzedDataProvider& p, size_t maximo) {
    const std::string s = p.ConsumeRandomLengthString(maximo);
    return QByteArray(s.data(), qsizetype(s.size()));
}

void Decodificadores(const uint8_t* d, size_t n) {
    TServicoE e;
    DecodificaServicoE(d, n, e);
    Exige(e.quantidade == int(e.dados.size()), "E groups counted and held differ");
    for (const auto& g : e.dados)
        for (const auto& q : g.produtos) Exige(q.dados.size() == TAM_PRODUTO_ESPECIAL, "E entry size");

    TServicoL l;
    DecodificaServicoL(d, n, l);
    Exige(l.quantidade == int(l.itens.size()), "L items counted and held differ");
    for (const auto& i : l.itens)
        for (const auto& q : i.produtos) Exige(q.dados.size() == TAM_PRODUTO_LOJISTA, "L entry size");

    TServicoW w;
    DecodificaServicoW(d, n, w);
    Exige(w.quantidade() >= 0 && w.quantidade() <= MAX_PRODUTOS_W, "W count out of the table");
    for (int i = 0; i < w.quantidade(); ++i) Exige(w.produto(i) != nullptr, "W record missing");
    Exige(w.produto(w.quantidade()) == nullptr, "W record past the count");
    if (n >= 4) ProcuraProdutoServicoW(w, QByteArray(reinterpret_cast<const char*>(d), 4));

    TServicoO o;
    DecodificaServicoO(d, n, o);
    Exige(o.quantidade() >= 0 && o.quantidade() <= MAX_ENTRADAS_O, "O count out of the table");
    for (int i = 0; i < o.quantidade(); ++i) {
        TEntradaServicoO en;
        Exige(o.entrada(i, en), "O entry missing");
        Exige(en.codigo.size() == 4 && en.tipo.size() == 2 && en.nome.size() == 40, "O entry sizes");
    }
    TEntradaServicoO fora;
    Exige(!o.entrada(o.quantidade(), fora), "O entry past the count");
    ProcuraTipoServicoO(o, "15");

    TServicoWzinho wz;
    DecodificaServicoWzinho(d, n, wz);
}

void PelosCampos(FuzzedDataProvider& p) {
    FuzzHost::Reinicia();
    static const char letras[] = {'E', 'L', 'O', 'W', 'Q', '\0'};
    const int n = p.ConsumeIntegralInRange(0, 6);
    // The stored count sometimes lies about the services present. Each index
    // it names costs a host read of a full service buffer, so a lie of a few
    // dozen takes the same paths as one of thousands at a fraction of the time.
    const int contagem = p.ConsumeBool() ? n : p.ConsumeIntegralInRange(0, 99);
    QByteArray qtd = QByteArray::number(contagem).rightJustified(4, '0');
    if (p.ConsumeBool()) qtd = Pedaco(p, 6);
    FuzzHost::Grava(CAMPO_QTD_SERVICOS_GUARDADOS, qtd);
    for (int i = 0; i < n; ++i) {
        const char letra = letras[p.ConsumeIntegralInRange<size_t>(0, sizeof letras - 1)];
        QByteArray s = Pedaco(p, 4000);
        if (letra) s.prepend(letra);
        FuzzHost::Grava(CAMPO_SERVICOS_GUARDADOS, s, uint16_t(i));
    }
    const int wz = p.ConsumeIntegralInRange(0, 3);
    FuzzHost::Grava(CAMPO_QTD_SERVICOS_W, p.ConsumeBool() ? QByteArray::number(wz) : Pedaco(p, 8));
    for (int i = 0; i < wz; ++i) FuzzHost::Grava(CAMPO_SERVICOS_W, Pedaco(p, 20), uint16_t(i));
    FuzzHost::Grava(CAMPO_CODIGO_PRODUTO, Pedaco(p, 6));

    ProcuraMontaListaProdutoSelecionado();
    Exige(ServicoO.quantidade() <= MAX_ENTRADAS_O, "O count out of the table after reading");
    LeServicoO(ServicoO);
    const QByteArray tipo = Pedaco(p, 3);
    if (VerificaGravaProduto(QString::fromLatin1(tipo)))
        Exige(FuzzHost::Le(CAMPO_CODIGO_PRODUTO).size() == 4, "selected product code is not 4 characters");
    TrataServicoWzinho();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    FuzzHost::Prepara();
    Decodificadores(d, n);
    FuzzedDataProvider p(d, n);
    PelosCampos(p);
    return 0;
}
