// The pinpad's identity block and its extended automatic-capture answer
// (tag DF70), then the silent card-range check that follows them.
#include "Camposkora.h"
#include "Koramain.h"
#include "Capturaautokora.h"
#include "Contextokora.h"
#include "Constanteskora.h"
#include "Servicoskora.h"
#include "hostfuzz.h"

#include <fuzzer/FuzzedDataProvider.h>

using FuzzHost::Exige;

namespace {
QByteArray Bytes(FuzzedDataProvider& p, size_t maximo) {
    const std::string s = p.ConsumeRandomLengthString(maximo);
    return QByteArray(s.data(), qsizetype(s.size()));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    FuzzHost::Prepara();
    FuzzHost::Reinicia();
    FuzzedDataProvider p(d, n);
    auto& r = FuzzHost::respostas();
    r.retPinpad = p.ConsumeIntegralInRange(0, 8) == 0 ? 1 : 0;
    r.retDF70 = p.ConsumeIntegralInRange(0, 8) == 0 ? 1 : 0;
    // Mostly well-formed identity blocks, so that the DF70 answer is read.
    QByteArray bloco = p.ConsumeBool() ? QByteArray("GERTEC").leftJustified(33, ' ') + "108A01" : QByteArray();
    bloco += Bytes(p, 300);
    r.bloco125 = bloco;
    r.df70 = Bytes(p, 1100);
    r.binsOk = p.ConsumeBool();
    r.autorizador = p.ConsumeBool() ? QStringLiteral("0125") : QString::fromLatin1(Bytes(p, 5));
    FuzzHost::Grava(CAMPO_CODIGO_SEGURANCA, Bytes(p, 20));
    FuzzHost::Grava(CAMPO_TIPO_OPERACAO_CARTAO, Bytes(p, 2));
    FuzzHost::Grava(CAMPO_QTD_SERVICOS_GUARDADOS, "0001");
    FuzzHost::Grava(CAMPO_SERVICOS_GUARDADOS, "W" + Bytes(p, 3000));

    QByteArray valor;
    if (DecodificaDF70(r.df70, valor)) Exige(valor.size() <= r.df70.size(), "DF70 value longer than the answer");
    if (VerificaVersaoAplicacaoTulen() && FuzzHost::Existe(CAMPO_AUTO_CAPTURA_ESTENDIDA))
        Exige(FuzzHost::Le(CAMPO_AUTO_CAPTURA_ESTENDIDA).startsWith("52:"), "10384 without its prefix");
    const bool eraDoAdquirente = r.binsOk && r.autorizador == QLatin1String("0125");
    if (CapturaDadosCartaoAuto()) Exige(eraDoAdquirente, "another acquirer's card accepted");
    return 0;
}
