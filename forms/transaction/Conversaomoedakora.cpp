#include "transaction/Conversaomoedakora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "bromo.h"
#include "ciraz.h"
#include "pontal.h"
#include "transaction/Descritoreskora.h"

namespace Conversaomoedakora {

namespace {

const char kModulo[] = "Kora41.bpl";

int Numero(const QByteArray& texto) {
    bool ok = false;
    const int v = texto.trimmed().toInt(&ok);
    return ok && !texto.trimmed().isEmpty() ? v : -1;
}

void AuditaModulo(const QString& formato) { Audita(FormataMensagem(formato, kModulo)); }

template <class... A> void AuditaModulo(const QString& formato, const A&... args) {
    Audita(FormataMensagem(formato, kModulo, args...));
}

QString Preenche4(const QString& codigo) { return PreencherZerosEsquerda(codigo, 4); }

} // namespace

TConfiguracao AnalisaConfiguracao(const QByteArray& configuracao, const QByteArray& produto, QByteArray* tipoLido) {
    const qsizetype sep = configuracao.indexOf(';');
    if (sep < 0) return TConfiguracao::SemSeparador;
    const QByteArray tipo = configuracao.left(sep);
    if (tipoLido) *tipoLido = tipo;
    bool ok = false;
    const int t = tipo.toInt(&ok);
    if (!ok || t != 1) return TConfiguracao::TipoInvalido;
    const QByteArray lista = configuracao.mid(sep + 1);
    for (qsizetype p = 0; p + 4 <= lista.size(); p += 4)
        if (lista.mid(p, 4) == produto) return TConfiguracao::Habilitado;
    return TConfiguracao::ProdutoNaoHabilitado;
}

int ExecutaConsultaConversaoMoeda(const TFormConversao& form) {
    AuditaModulo(QStringLiteral("Modulo %s : Entrou ExecutaConsultaConversaoMoeda"));
    const int resultado = [&]() -> int {
        QByteArray config = Campos::LeBytes(CAMPO_CONFIGURACAO_DCC, 255);
        if (config.isEmpty()) return -1;
        // The field may hold a C string; what follows its end is not part of it.
        const qsizetype fim = config.indexOf('\0');
        if (fim >= 0) config.truncate(fim);
        if (config.isEmpty()) return -1;

        const QByteArray produto = Preenche4(Campos::Le(CAMPO_CODIGO_PRODUTO)).toLatin1();
        QByteArray tipo;
        switch (AnalisaConfiguracao(config, produto, &tipo)) {
        case TConfiguracao::SemSeparador:
            AuditaModulo(QStringLiteral("Modulo %s : ExecutaConsultaConversaoMoeda - Serv. Q096 Inconsistente. "
                                        "Nao encontrou separador <;>: [%s]"),
                         config);
            return -1;
        case TConfiguracao::TipoInvalido:
            AuditaModulo(QStringLiteral("Modulo %s : ExecutaConsultaConversaoMoeda - Serv. Q096 Inconsistente. "
                                        "Tipo recebido: [%s], Esperado: [1]"),
                         tipo);
            return -1;
        case TConfiguracao::ProdutoNaoHabilitado:
            AuditaModulo(QStringLiteral("Modulo %s : ExecutaConsultaConversaoMoeda - Produto Não habilitado "
                                        "para Conversao de Moeda: [%s]"),
                         produto);
            return -1;
        case TConfiguracao::Habilitado: break;
        }

        if (!Campos::Grava(CAMPO_CODIGO_REQUISICAO, QStringLiteral("52"))) return -1;
        if (!form.gravaTrilhas || form.gravaTrilhas(240) != 0) return -1;
        if (form.obtemDadosEmv) form.obtemDadosEmv();
        AutorizaTransacao(&TrnConsultaConversaoMoeda, form.lbMensagem, 0);

        const QByteArray h = Campos::LeBytes(CAMPO_CABECALHO_RESPOSTA, 86);
        if (!h.isEmpty() && h.left(2) == "00") return TrataRespostaServicoQ096(2);
        const qsizetype fimH = h.indexOf('\0');
        AuditaModulo(QStringLiteral("Modulo %s : ExecutaConsultaConversaoMoeda - Erro na consulta. "
                                    "Tam Servico H: [%d]. CodResp: [%s]"),
                     int(h.size()), fimH >= 0 ? h.left(fimH) : h);
        return -1;
    }();
    AuditaModulo(QStringLiteral("Modulo %s : Saiu ExecutaConsultaConversaoMoeda - Retorno %d"), resultado);
    Campos::GravaDesfecho(QStringLiteral("FF"), Mensagem(801));
    return resultado;
}

bool VerificaConverteMoeda(const TFormConversao& form) {
    AuditaModulo(QStringLiteral("Modulo %s : Entrou VerificaConverteMoeda"));
    bool resultado = true;
    Campos::Limpa(CAMPO_DCC_053);
    GravaDadosTrocaDeParametrosPinpad(QByteArray(3, '\0'));

    const int tipoVenda = Numero(Campos::Le(CAMPO_TIPO_VENDA).toLatin1());
    const bool chip = VerificaSeCartaoLidoCHIP();

    if (tipoVenda == 0 && chip) {
        const bool havia = Campos::Preenchido(CAMPO_CODIGO_REQUISICAO);
        const QByteArray modo = Campos::LeBytes(CAMPO_CODIGO_REQUISICAO, 64);
        const int r = form.executaConsulta ? form.executaConsulta() : -1;
        // The query's own entry mode must never reach the sale's request.
        if (!havia)
            Campos::Limpa(CAMPO_CODIGO_REQUISICAO);
        else if (!Campos::GravaBytes(CAMPO_CODIGO_REQUISICAO, modo))
            resultado = false;
        if (r == 0) {
            const int resposta = ObtemConfirmacaoMoedaCliente();
            if (resposta == 0 || resposta == 9) {
                if (AtualizaDadosTrxMoedaSelecionada(resposta, 1) != 0) resultado = false;
            } else {
                if (form.fecha) form.fecha(1);
                resultado = false;
            }
        }
    }

    AuditaModulo(QStringLiteral("Modulo %s : Saiu VerificaConverteMoeda - Tipo Venda: [%d] - Cartao EMV?: [%s]"),
                 tipoVenda, chip ? "Sim" : "Nao");
    return resultado;
}

} // namespace Conversaomoedakora
