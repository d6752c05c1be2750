#include "estado.h"

namespace hostsim {

const QStringList& OperacoesRoteirizaveis() {
    static const QStringList nomes = {
        // pinpad and card
        "LerCartao", "LerSenha", "ProcessaDadosEmv", "FinalizaProcessoKora", "ObtemConfirmacao", "ExibeMsgPinpad",
        "RemoveCartao", "FinalizaComunicacaoPinpad", "AnalisaDadosCartao", "VerificaObtemNomePortadorCartao",
        "GravaDadosTrocaDeParametrosPinpad", "MontaBufferDadosDUKPTBaixaTecnica", "PinPadSuportaFuncoesMultimidia",
        "GeraQRCodeExibePinpad", "ComunicacaoSeguraXQ7RAtivo", "VerificaGravaDadosCriptografiaXQ7R", "ObtemDadosKora",
        "MontaDadosPinpad", "ObtemDadosPinpadAutoCapturaEstendidaTagDF70",
        // host dialogs and exchanges
        "FazConsultaBins", "ValidarOperador", "MontaSelecionaListaProdutos", "RealizaPerguntasCamposLPergEx",
        "VerificaTrataCampoProdXSAV", "VerificaTrataConsultaPlanoFinanciamentoCrediario", "PontalEnviarFinalizacaoEx",
        "PontalIniciaTransacao", "PontalLimpaUltimaTrn", "PontalCapturaCodigoEmpresa", "PontalGravaArquivo",
        // host rules
        "TransacoesHabilitadasIntPos", "TransacoesHabilitadas", "CompreSaqueHabilitado",
        "TrataServicoC_TransacoesHabilitadasTerminal", "EhCartaoEMV", "EhCartaoChipComContato", "CartaoProcessaChip",
        "VerificaSeCartaoLidoCHIP", "PermiteAlterarDados", "TrataRespostaServicoQ096", "ObtemConfirmacaoMoedaCliente",
        "AtualizaDadosTrxMoedaSelecionada", "VerificaServico5", "ValidaTaxaServico", "VerificaCPF"};
    return nomes;
}

QString AjudaOperacoes() {
    return QStringLiteral(
        "Scriptable host operations (\"script\": { \"Operation\": [answer, ...] }).\n"
        "An answer is an integer or boolean result (a boolean counts as 1 or 0), or an\n"
        "object with \"result\" and"
        " the out-values below; any object answer may also carry \"fields\",\n"
        "\"fieldsHex\", \"indexed\", \"indexedHex\" and \"clear\", written into the\n"
        "field store as the answer is consumed. Out-values holding bytes also\n"
        "accept a hexadecimal form under the name + \"Hex\".\n"
        "\n"
        "Pinpad (unscripted: 0 = success, empty out-values):\n"
        "  LerCartao, LerSenha, ProcessaDadosEmv, FinalizaProcessoKora, ObtemConfirmacao,\n"
        "  ExibeMsgPinpad, RemoveCartao, FinalizaComunicacaoPinpad, AnalisaDadosCartao,\n"
        "  VerificaObtemNomePortadorCartao, GravaDadosTrocaDeParametrosPinpad,\n"
        "  MontaBufferDadosDUKPTBaixaTecnica, PinPadSuportaFuncoesMultimidia (0 = shows images),\n"
        "  GeraQRCodeExibePinpad, ComunicacaoSeguraXQ7RAtivo (0 = no secure channel),\n"
        "  VerificaGravaDadosCriptografiaXQ7R\n"
        "  ObtemDadosKora                               out: data (up to 1025 bytes)\n"
        "  MontaDadosPinpad                             out: block\n"
        "  ObtemDadosPinpadAutoCapturaEstendidaTagDF70  out: data\n"
        "\n"
        "Host dialogs and exchanges (unscripted: success):\n"
        "  FazConsultaBins                  true   out: authorizer (default \"0125\"), second\n"
        "  ValidarOperador                  true\n"
        "  MontaSelecionaListaProdutos      the chosen index (default 0; -1 = abandoned)\n"
        "  RealizaPerguntasCamposLPergEx    non-zero only when field 20026 holds \"FLUXOPERG:\" (the\n"
        "                                   reply's question flow ran), else 0;  out: title (default:\n"
        "                                   the title passed)\n"
        "  VerificaTrataCampoProdXSAV       true\n"
        "  VerificaTrataConsultaPlanoFinanciamentoCrediario  true\n"
        "  PontalEnviarFinalizacaoEx, PontalIniciaTransacao, PontalLimpaUltimaTrn  0\n"
        "  PontalCapturaCodigoEmpresa       0 (1 = the company code is captured)\n"
        "  PontalGravaArquivo               0 (non-zero: the file refuses, nothing stored; the failure\n"
        "                                   is listed under \"calls\", not under \"files\")\n"
        "\n"
        "Host rules (unscripted: the host's own logic):\n"
        "  TransacoesHabilitadasIntPos, TransacoesHabilitadas, CompreSaqueHabilitado,\n"
        "  TrataServicoC_TransacoesHabilitadasTerminal   host.enabledPos / enabledTerminal / compreSaque\n"
        "  EhCartaoEMV, EhCartaoChipComContato, CartaoProcessaChip, VerificaSeCartaoLidoCHIP  host.card\n"
        "  PermiteAlterarDados              host.permiteAlterarDados\n"
        "  TrataRespostaServicoQ096         0 when field 20026 holds a usable offer, else 1. The offer\n"
        "                                   is service Q \"096\" + currency number (3 digits) +\n"
        "                                   letters (3) + rate in reais (8 digits, 4 decimals) +\n"
        "                                   amount in that currency (12 digits, cents), e.g.\n"
        "                                   \"096840USD00054321000000001841\"; a zero rate or\n"
        "                                   amount is no offer\n"
        "  ObtemConfirmacaoMoedaCliente     shows the offer at the pinpad (\"pinpad\": \"USD 18,41\n"
        "                                   TAXA 5,4321\"); 0 (the card's currency) with an offer,\n"
        "                                   1 (abandoned) without; script 9 = stays in reais\n"
        "  AtualizaDadosTrxMoedaSelecionada with the offer of field 20026: answer 0 writes 10458\n"
        "                                   (number + rate + amount), 10457 \"1\", 10459 \"1\";\n"
        "                                   answer 9 clears 10458 and 10459, 10457 \"0\"; 0 = done.\n"
        "                                   No offer or another answer: 1, nothing written. A\n"
        "                                   scripted answer writes only its own \"fields\"\n"
        "  VerificaServico5                 whether field 20026 holds the named text\n"
        "  ValidaTaxaServico                a zero fee passes; with a product rate > 0 the fee\n"
        "                                   may reach that percentage of the amount, otherwise\n"
        "                                   it must stay below the amount\n"
        "  VerificaCPF                      the taxpayer number's check digits\n"
        "  ValidaDV                         check digit of a block of a bill's typed line, by\n"
        "                                   the line's third digit: 6 or 7 modulo 10 (weights\n"
        "                                   2,1 from the right, product digits summed), 8 or 9\n"
        "                                   modulo 11 (weights 2 to 9 from the right; 11 minus\n"
        "                                   the rest, 0 for a rest of 0 or 1); -1 for any other\n"
        "                                   identifier\n");
}

QString RegrasAdquirente() {
    return QStringLiteral("Simulated acquirer (AutorizaTransacao, PontalEnviarMensagem).\n"
                          "Each request is recorded under \"requests\". A reply replaces fields 1009, 1027,\n"
                          "20013, 20017 and 20026. With a reply queued (\"acquirer\"), the next one is\n"
                          "applied: \"clear\", then \"fields\", \"fieldsHex\", \"indexed\", \"indexedHex\";\n"
                          "\"responseServices\" go into field 20026 (letter, three-digit length, text);\n"
                          "\"noReply\": true leaves the reply fields empty and the call returns 1.\n"
                          "A pending reply, { \"pendingMs\": N, \"interim\": {reply keys}, ...the rest }, writes\n"
                          "\"interim\" at once, keeps the call open N ms while the event loop runs (timers,\n"
                          "operator actions, nested forms), then applies the rest. Field 10536 turning \"1\"\n"
                          "meanwhile (the operator cancelled) ends it as noReply would: the interim fields\n"
                          "stay, the call returns 1 and the request is marked \"cancelled\": true.\n"
                          "With the queue empty, by the amount (digits of the request's field 1003, else\n"
                          "the store's):\n"
                          "  ends in \"99\"  no reply: the reply fields stay empty, the call returns 1\n"
                          "  ends in \"51\"  declined: 1009 \"51\", 1027 \"TRANSACAO NEGADA\",\n"
                          "                20013 \"NEGADA - SALDO INSUFICIENTE\", 20017 \"51TRANSACAO NEGADA\"\n"
                          "  otherwise     approved: 1009 \"00\", 1027 \"TRANSACAO APROVADA\",\n"
                          "                20013 \"APROVADA AUT: <auth>\", 20017 \"00<auth><nsu>TRANSACAO APROVADA\";\n"
                          "                <nsu> is the run's count of approvals, six digits from 000001;\n"
                          "                <auth> is six digits, (nsu * 7919 + 100000) mod 1000000\n"
                          "A request without field 1003 and without an amount in the store is approved.\n");
}

} // namespace hostsim
