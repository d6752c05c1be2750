#include "transaction/Conversaomoedakora.h"

#include "Camposkora.h"
#include "Contextokora.h"
#include "bromo.h"
#include "ciraz.h"
#include "pontal.h"
#include "transaction/Descritoreskora.h"

// The host's libraries may still lack these; a missing one counts as "no".
#define MOEDA_FRACO __attribute__((weak))
MOEDA_FRACO int AutorizaTransacao(const TTransacao*, QLabel*, int);
MOEDA_FRACO int TrataRespostaServicoQ096(int);
MOEDA_FRACO int ObtemConfirmacaoMoedaCliente();
MOEDA_FRACO int AtualizaDadosTrxMoedaSelecionada(int, int);
MOEDA_FRACO bool VerificaSeCartaoLidoCHIP();
MOEDA_FRACO QString PreencherZerosEsquerda(const QString&, int);
MOEDA_FRACO int GravaDadosTrocaDeParametrosPinpad(const QByteArray&);
#undef MOEDA_FRACO
#define MOEDA_HOST(padrao, f, ...) (::f ? ::f(__VA_ARGS__) : (padrao))

namespace Conversaomoedakora {

namespace {

const char kModulo[] = "Kora41.bpl";

// Reads at most `capacidade` bytes; false when the field is absent.
bool LeBytes(uint16_t campo, int capacidade, QByteArray& saida)
{
    saida = QByteArray(capacidade, '\0');
    int32_t tam = capacidade;
    if (PontalLeCampo(campo, 0, &tam, reinterpret_cast<unsigned char*>(saida.data())) != 0) {
        saida.clear();
        return false;
    }
    saida.truncate(tam);
    return true;
}

int Numero(const QByteArray& texto)
{
    bool ok = false;
    const int v = texto.trimmed().toInt(&ok);
    return ok && !texto.trimmed().isEmpty() ? v : -1;
}

void AuditaModulo(const QString& formato) { Audita(FormataMensagem(formato, kModulo)); }

template <class... A> void AuditaModulo(const QString& formato, const A&... args)
{
    Audita(FormataMensagem(formato, kModulo, args...));
}

QString Preenche4(const QString& codigo)
{
    if (::PreencherZerosEsquerda) return ::PreencherZerosEsquerda(codigo, 4);
    return codigo.size() >= 4 ? codigo : QString(4 - codigo.size(), QLatin1Char('0')) + codigo;
}

}  // namespace

TConfiguracao AnalisaConfiguracao(const QByteArray& configuracao, const QByteArray& produto,
                                  QByteArray* tipoLido)
{
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

int ExecutaConsultaConversaoMoeda(const TFormConversao& form)
{
    AuditaModulo(QStringLiteral("Modulo %s : Entrou ExecutaConsultaConversaoMoeda"));
    const int resultado = [&]() -> int {
        QByteArray config;
        if (!LeBytes(CAMPO_CONFIGURACAO_DCC, 255, config) || config.isEmpty()) return -1;
        // The field may hold a C string; what follows its end is not part of it.
        const qsizetype fim = config.indexOf('\0');
        if (fim >= 0) config.truncate(fim);
        if (config.isEmpty()) return -1;

        QString codigo;
        LeCampo(codigo, CAMPO_CODIGO_PRODUTO, 0);
        const QByteArray produto = Preenche4(codigo).toLatin1();
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
        case TConfiguracao::Habilitado:
            break;
        }

        if (GravaCampoString(CAMPO_CODIGO_REQUISICAO, 0, QStringLiteral("52")) != 0) return -1;
        if (!form.gravaTrilhas || form.gravaTrilhas(240) != 0) return -1;
        if (form.obtemDadosEmv) form.obtemDadosEmv();
        MOEDA_HOST(-1, AutorizaTransacao, &TrnConsultaConversaoMoeda, form.lbMensagem, 0);

        QByteArray h;
        LeBytes(CAMPO_CABECALHO_RESPOSTA, 86, h);
        if (!h.isEmpty() && h.left(2) == "00") return MOEDA_HOST(-1, TrataRespostaServicoQ096, 2);
        const qsizetype fimH = h.indexOf('\0');
        AuditaModulo(QStringLiteral("Modulo %s : ExecutaConsultaConversaoMoeda - Erro na consulta. "
                                    "Tam Servico H: [%d]. CodResp: [%s]"),
                     int(h.size()), fimH >= 0 ? h.left(fimH) : h);
        return -1;
    }();
    AuditaModulo(QStringLiteral("Modulo %s : Saiu ExecutaConsultaConversaoMoeda - Retorno %d"), resultado);
    GravaCampoString(CAMPO_CODIGO_RESPOSTA, 0, QStringLiteral("FF"));
    GravaCampoString(CAMPO_TEXTO_RESULTADO, 0, Mensagem(801));
    return resultado;
}

bool VerificaConverteMoeda(const TFormConversao& form)
{
    AuditaModulo(QStringLiteral("Modulo %s : Entrou VerificaConverteMoeda"));
    bool resultado = true;
    PontalLimpaCampo(CAMPO_DCC_053);
    MOEDA_HOST(0, GravaDadosTrocaDeParametrosPinpad, QByteArray(3, '\0'));

    QString texto;
    LeCampo(texto, CAMPO_TIPO_VENDA, 0);
    const int tipoVenda = Numero(texto.toLatin1());
    const bool chip = MOEDA_HOST(false, VerificaSeCartaoLidoCHIP);

    if (tipoVenda == 0 && chip) {
        QByteArray modo;
        const bool havia = LeBytes(CAMPO_CODIGO_REQUISICAO, 64, modo);
        const int r = form.executaConsulta ? form.executaConsulta() : -1;
        // The query's own entry mode must never reach the sale's request.
        if (havia)
            PontalGravaCampo(CAMPO_CODIGO_REQUISICAO, 0, reinterpret_cast<const unsigned char*>(modo.constData()),
                             int32_t(modo.size()));
        else
            PontalLimpaCampo(CAMPO_CODIGO_REQUISICAO);
        if (r == 0) {
            const int resposta = MOEDA_HOST(-1, ObtemConfirmacaoMoedaCliente);
            if (resposta == 0 || resposta == 9) {
                if (MOEDA_HOST(-1, AtualizaDadosTrxMoedaSelecionada, resposta, 1) != 0) resultado = false;
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

}  // namespace Conversaomoedakora
