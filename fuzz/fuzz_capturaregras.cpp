// Question (E) and merchant-goods (L) records of the capture dialogs, the
// checks of the operator's answers and the layouts built from them.
#include "capture/Capturaregras.h"
#include "hostfuzz.h"

#include <fuzzer/FuzzedDataProvider.h>

using FuzzHost::Exige;
using namespace Captura;

namespace {
QByteArray Bytes(FuzzedDataProvider& p, size_t maximo) {
    const std::string s = p.ConsumeRandomLengthString(maximo);
    return QByteArray(s.data(), qsizetype(s.size()));
}
QString Texto(FuzzedDataProvider& p, size_t maximo) { return QString::fromLatin1(Bytes(p, maximo)); }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    FuzzedDataProvider p(d, n);
    const QByteArray registro = Bytes(p, 400);
    const int pos = p.ConsumeIntegralInRange(-4, 420);

    TProdutoEspecial q;
    const bool cabeQ = DecodificaProdutoEspecial(registro, pos, q);
    if (cabeQ) {
        Exige(pos >= 0 && pos + TAM_PRODUTO_ESPECIAL <= registro.size(), "question read past the record");
        Exige(q.codigo.size() == 7, "question code is not 7 bytes");
        Exige(q.descricao.size() <= 41, "question text longer than its slot");
    }
    const int tipo = TipoDado(q.tipo);
    Exige(tipo >= 0 && tipo <= 9, "data type not a digit");

    const QString resposta = Texto(p, 120);
    ValidaResposta(q, resposta, p.ConsumeBool(), p.ConsumeBool());
    DataValida(Texto(p, 10));
    const QString editado = Texto(p, 30);
    TeclaAceita(p.ConsumeIntegralInRange(0, 9), QChar(p.ConsumeIntegral<uint16_t>()), editado);

    int primeira = 0, ultima = 0;
    const int total = p.ConsumeIntegralInRange(-3, 500);
    FaixaPagina(total, p.ConsumeIntegralInRange(-3, 200), primeira, ultima);
    Exige(primeira >= 0 && primeira <= ultima && ultima - primeira <= QUESTOES_POR_PAGINA, "page range");
    Exige(ultima <= (total < 0 ? 0 : total), "page past the questions");

    std::vector<TInfoAdicional> info(p.ConsumeIntegralInRange(0, 6));
    for (auto& i : info) {
        i.codigo = Bytes(p, 10);
        i.tipo = char(p.ConsumeIntegral<uint8_t>());
        i.resposta = Bytes(p, 130);
    }
    const QByteArray campo = MontaCampoInfoAdicionais(info);
    Exige(campo.startsWith(QByteArray::number(qulonglong(info.size())) + ';'), "10221 count");

    TProdutoLojista g;
    if (DecodificaProdutoLojista(registro, pos, g))
        Exige(pos >= 0 && pos + TAM_PRODUTO_LOJISTA <= registro.size(), "good read past the record");

    const int largura = p.ConsumeIntegralInRange(0, 16);
    Exige(PreencheZeros(Texto(p, 24), largura).size() == largura, "zero fill width");

    std::vector<TItemEnvio> itens(p.ConsumeIntegralInRange(0, 4));
    for (auto& i : itens) {
        i.flagItem = char(p.ConsumeIntegral<uint8_t>());
        i.quatroItem = Bytes(p, 6);
        i.produto = g;
        i.entrada.quantidade = Bytes(p, 8);
        i.entrada.valorUnitario = Bytes(p, 12);
    }
    MontaCampoProdutosLojista(itens);

    const QString total2 = CalculaTotal(Texto(p, 24), Texto(p, 24));
    for (QChar c : total2) Exige(c.isDigit(), "total is not digits");
    MapaHabilita(Bytes(p, 10), p.ConsumeIntegralInRange(-2, 12));
    return 0;
}
