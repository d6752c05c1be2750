// The simulated pinpad: every operation answers from the scenario's script
// or succeeds, and leaves a masked line in the pinpad library's log.
#include "ciraz.h"

#include "estado.h"
#include "hostlib.h"

#include <QLabel>
#include <algorithm>
#include <cstring>

using hostsim::estado;

namespace {

void Mostra(const QString& op, const QString& texto) {
    estado().pinpad.append(QJsonObject{{"op", op}, {"text", texto}});
}

// Runs the scripted answer of `op` (default `padrao`) and logs the call.
int Opera(const QString& op, int padrao, const QString& detalhe = {}, QJsonObject* saidas = nullptr) {
    const int r = hostsim::RespostaInt(op, padrao, saidas);
    hostsim::GravaLogPinpad(op + (detalhe.isEmpty() ? QString() : ' ' + detalhe) + " -> " + QString::number(r));
    return r;
}

int Chamada(const QString& op, int padrao, const QJsonArray& args = {}, const QString& detalhe = {}) {
    hostsim::RegistraChamada(op, args);
    return Opera(op, padrao, detalhe);
}

} // namespace

int LerCartao(uintptr_t, bool permiteDigitar, const QString& texto) {
    return Chamada(QStringLiteral("LerCartao"), 0, {permiteDigitar, texto});
}

int LerSenha(uintptr_t, const QString& texto1, const QString& texto2, int modo, const QString& titulo) {
    Mostra(QStringLiteral("LerSenha"), texto2.isEmpty() ? texto1 : texto1 + '\n' + texto2);
    return Opera(QStringLiteral("LerSenha"), 0, QStringLiteral("modo %1 [%2]").arg(modo).arg(titulo));
}

int ProcessaDadosEmv(QLabel*) { return Chamada(QStringLiteral("ProcessaDadosEmv"), 0); }

int ObtemDadosKora(char* buffer, int tipoProduto, const QString& valorExtra, int& tamanho) {
    tamanho = 0;
    hostsim::RegistraChamada(QStringLiteral("ObtemDadosKora"), {tipoProduto, valorExtra});
    QJsonObject saidas;
    const int r = Opera(QStringLiteral("ObtemDadosKora"), 0, QStringLiteral("tipo %1").arg(tipoProduto), &saidas);
    const QByteArray dados = hostsim::SaidaBytes(saidas, QStringLiteral("data")).left(1025);
    if (buffer) {
        std::memset(buffer, 0, 1025);
        std::memcpy(buffer, dados.constData(), size_t(dados.size()));
        tamanho = int(dados.size());
    }
    return r;
}

int FinalizaProcessoKora(QLabel*) { return Chamada(QStringLiteral("FinalizaProcessoKora"), 0); }

int ObtemConfirmacao(const QString& texto, int modo) {
    Mostra(QStringLiteral("ObtemConfirmacao"), texto);
    return Opera(QStringLiteral("ObtemConfirmacao"), 0, QStringLiteral("modo %1").arg(modo));
}

int ExibeMsgPinpad(const QString& texto) {
    Mostra(QStringLiteral("ExibeMsgPinpad"), texto);
    return Opera(QStringLiteral("ExibeMsgPinpad"), 0);
}

int RemoveCartao(const QString& texto) {
    Mostra(QStringLiteral("RemoveCartao"), texto);
    return Opera(QStringLiteral("RemoveCartao"), 0);
}

int FinalizaComunicacaoPinpad() { return Chamada(QStringLiteral("FinalizaComunicacaoPinpad"), 0); }
int AnalisaDadosCartao() { return Chamada(QStringLiteral("AnalisaDadosCartao"), 0); }
int VerificaObtemNomePortadorCartao() { return Chamada(QStringLiteral("VerificaObtemNomePortadorCartao"), 0); }

int MontaDadosPinpad(int tipo, QByteArray& buffer) {
    hostsim::RegistraChamada(QStringLiteral("MontaDadosPinpad"), {tipo});
    QJsonObject saidas;
    const int r = Opera(QStringLiteral("MontaDadosPinpad"), 0, QStringLiteral("tipo %1").arg(tipo), &saidas);
    buffer = hostsim::SaidaBytes(saidas, QStringLiteral("block"));
    return r;
}

int GravaDadosTrocaDeParametrosPinpad(const QByteArray& dados3) {
    const QString hexa = QString::fromLatin1(dados3.left(3).toHex());
    return Chamada(QStringLiteral("GravaDadosTrocaDeParametrosPinpad"), 0, {hexa}, hexa);
}

int ObtemDadosPinpadAutoCapturaEstendidaTagDF70(const QString& tag, QByteArray& buffer) {
    hostsim::RegistraChamada(QStringLiteral("ObtemDadosPinpadAutoCapturaEstendidaTagDF70"), {tag});
    QJsonObject saidas;
    const int r = Opera(QStringLiteral("ObtemDadosPinpadAutoCapturaEstendidaTagDF70"), 0, tag, &saidas);
    buffer = hostsim::SaidaBytes(saidas, QStringLiteral("data"));
    return r;
}

int MontaBufferDadosDUKPTBaixaTecnica() { return Chamada(QStringLiteral("MontaBufferDadosDUKPTBaixaTecnica"), 0); }
int PinPadSuportaFuncoesMultimidia() { return Chamada(QStringLiteral("PinPadSuportaFuncoesMultimidia"), 0); }

int GeraQRCodeExibePinpad(const QString& texto) { return Chamada(QStringLiteral("GeraQRCodeExibePinpad"), 0, {texto}); }

int ComunicacaoSeguraXQ7RAtivo() { return Chamada(QStringLiteral("ComunicacaoSeguraXQ7RAtivo"), 0); }
int VerificaGravaDadosCriptografiaXQ7R() { return Chamada(QStringLiteral("VerificaGravaDadosCriptografiaXQ7R"), 0); }
