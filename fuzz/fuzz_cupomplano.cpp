// The instalment-plan coupon from the reply header and consultation records,
// and the service text cut at "@".
#include "hostfuzz.h"
#include "receipt/Imprimeconsultakora.h"

#include <fuzzer/FuzzedDataProvider.h>

using FuzzHost::Exige;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    FuzzedDataProvider p(d, n);
    auto bytes = [&p](size_t maximo) {
        const std::string s = p.ConsumeRandomLengthString(maximo);
        return QByteArray(s.data(), qsizetype(s.size()));
    };
    TDadosCupomPlano dados;
    dados.cabecalho = bytes(100);
    dados.consulta = bytes(160);
    dados.trilha = QString::fromLatin1(bytes(80));
    dados.validade = QString::fromLatin1(bytes(6));
    dados.pdv = QString::fromLatin1(bytes(8));
    dados.lidoChip = p.ConsumeBool();
    dados.online = p.ConsumeBool();
    dados.ano = p.ConsumeIntegralInRange(0, 9999);
    const QStringList linhas = MontaCupomPlano(dados);
    // Sixteen heading lines, at most four rows, eight closing lines.
    Exige(linhas.size() >= 24 && linhas.size() <= 28, "coupon line count");
    LinhasServicoArroba(QString::fromLatin1(bytes(300)));
    return 0;
}
