#include "Conscdckora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "bromo.h"
#include "ciraz.h"
#include "framework/Galeriakora.h"
#include "framework/Menumodelokora.h"
#include "framework/Retornooperador6b.h"
#include "pontal.h"
#include "receipt/Imprimeconsultakora.h"
#include "transaction/Descritoreskora.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmCon_ParAdm* FrmCon_ParAdm = nullptr;
bool LimpaNumeroParcelas = false;
bool LimpaValorParcelas = false;
bool LimpaDataParcelas = false;

namespace {
constexpr int TIPO_CONSULTA_ANTES_COMPRA = 3;

bool Vazio(int campo) { return Campos::Le(campo).trimmed().isEmpty(); }

void GravaResultado(const QString& codigo, const QString& texto) {
    if (!Campos::Grava(CAMPO_CODIGO_RESPOSTA, codigo) || !Campos::Grava(CAMPO_TEXTO_RESULTADO, texto))
        Audita(QStringLiteral("Kora41 - FrmCon_ParAdm: resultado nao gravado"));
}

template <class T> void MostraModal(T*& var, const QString& titulo) {
    if (!var) var = T::Cria();
    if (!var) return;
    var->lbTitulo->setText(titulo);
    var->exec();
    delete var;
    var = nullptr;
}
} // namespace

TFrmCon_ParAdm* TFrmCon_ParAdm::Cria() { return TFrmMod::CriaForm<TFrmCon_ParAdm>(); }

TFrmCon_ParAdm::TFrmCon_ParAdm(QWidget* parent) : TFrmAdm_DebPar(parent) {
    setObjectName(QStringLiteral("FrmCon_ParAdm"));
    edValor->setFixedHeight(23);
    QObject::disconnect(btRetorna, &QPushButton::clicked, nullptr, nullptr);
    QObject::connect(btRetorna, &QPushButton::clicked, this, [this] { btRetornaClick(); });
}

void TFrmCon_ParAdm::IniciaCamposForm() {
    TFrmAdm_DebPar::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2654));
    pTransacao = &TrnConsultaCDC;
    // No first-instalment date travels until one is recorded.
    DefineTamanhoVariavel(TrnConsultaCDC, Debitotrnkora::pDataPreCDC, 0);
    LimpaNumeroParcelas = Vazio(CAMPO_QTD_PARCELAS);
    LimpaValorParcelas = Vazio(CAMPO_VALOR_ENTRADA);
    LimpaDataParcelas = Vazio(CAMPO_DATA_PREDATADO);
}

bool TFrmCon_ParAdm::GravaCamposPontal() {
    if (!TFrmAdm_DebPar::GravaCamposPontal()) return false;
    if (Debitotrnkora::pDataPreCDC[0] != '\0')
        DefineTamanhoVariavel(TrnConsultaCDC, Debitotrnkora::pDataPreCDC, uint16_t(TAM_DATA_PRE_CDC));
    return Campos::Grava(CAMPO_CODIGO_TIPO_TRANSACAO, QStringLiteral("39"));
}

void TFrmCon_ParAdm::LimpaCamposCDC() {
    Campos::Limpa(CAMPO_CODIGO_MODULO);
    Campos::Limpa(CAMPO_DADOS_CARTAO);
    Campos::Limpa(CAMPO_DADOS_CARTAO_16);
    if (LimpaValorParcelas) Campos::Limpa(CAMPO_VALOR_ENTRADA);
    if (LimpaNumeroParcelas) Campos::Limpa(CAMPO_QTD_PARCELAS);
    if (LimpaDataParcelas) Campos::Limpa(CAMPO_DATA_PREDATADO);
    Campos::Limpa(CAMPO_TAXA_SERVICO);
    Campos::Limpa(CAMPO_CODIGO_SEGURANCA);
    Campos::Limpa(CAMPO_DADOS_CHIP);
}

void TFrmCon_ParAdm::btRetornaClick() {
    if (EhCartaoChipComContato()) {
        lbMensagem->setText(Mensagem(944));
        Plataforma::ProcessMessages();
        RemoveCartao(Mensagem(944));
    }
    FinalizaComunicacaoPinpad();
    Encerra(mrCancel);
}

void TFrmCon_ParAdm::btConfirmaClick() {
    bControlaKeyPreview = false;
    HabilitaControles(false);
    lbMensagem->setText(Mensagem(43));
    Plataforma::ProcessMessages();

    const bool seguir = ValidaCamposForm() && GravaCamposPontal() && PassoProcessaCartao() && VerificaCapturaSenha() &&
                        PassoObtemDadosEmv() && GravaCamposPontal() && PassoFormataDadosCartaoPinpad();
    if (seguir) {
        Consulta();
        return;
    }
    if (Campos::Le(CAMPO_FECHA_FALHA_CAPTURA) == QLatin1String("1")) {
        Encerra(mrOk);
        return;
    }
    HabilitaControles(true);
}

void TFrmCon_ParAdm::Consulta() {
    bool enviaFinalizacao = false;
    ExibeMsgPinpad(Mensagem(1091));
    int codigo = -1;
    const QString chip = Campos::Le(CAMPO_RESPOSTA_CHIP);
    QString mensagem;
    // A chip that declined offline is asked nothing, unless the card must go online.
    if (!(chip == QLatin1String("Z1") && !EhCartaoEMV())) {
        AutorizaTransacao(pTransacao, lbMensagem, 0);
        mensagem = Campos::Le(CAMPO_TEXTO_OPERADOR).trimmed();
        codigo = Campos::LeNumero(CAMPO_CODIGO_RESPOSTA, -1);
    }

    if (Campos::Le(CAMPO_LIDO_CHIP) == QLatin1String("1")) {
        if (chip == QLatin1String("Z1")) {
            GravaResultado(QStringLiteral("FF"), Mensagem(1063));
            lbMensagem->setText(Mensagem(1063));
            codigo = -1;
        } else {
            const int r = FinalizaProcessoKora(lbMensagem);
            if (r == 0) {
                enviaFinalizacao = true;
            } else {
                codigo = -1;
                if (r == 6) mensagem = Campos::Le(CAMPO_TEXTO_RESULTADO);
                if (Campos::Le(CAMPO_RESPOSTA_CHIP) == QLatin1String("Z3") &&
                    Campos::LeBytes(CAMPO_CABECALHO_RESPOSTA, 2) != "TM") {
                    lbMensagem->setText(Mensagem(1063));
                    GravaResultado(QStringLiteral("FF"), Mensagem(1063));
                }
            }
        }
        if (EhCartaoChipComContato())
            lbMensagem->setText(mensagem.isEmpty() ? Mensagem(944) : mensagem + QStringLiteral(" - ") + Mensagem(944));
    } else {
        enviaFinalizacao = true;
        ExibeMsgPinpad(Mensagem(codigo == 0 ? 2596 : 2597));
    }

    const bool antesDaCompra = Campos::LeNumero(CAMPO_TIPO_TRANSACAO_ESPECIAL) == TIPO_CONSULTA_ANTES_COMPRA;
    ImprimeCupom = !antesDaCompra;
    if (codigo == 0) {
        MostraModal(FrmImprime_Mod, lbTitulo->text());
        Plataforma::ProcessMessages();
        if (ImprimeCupom) enviaFinalizacao = false;
    } else {
        ImprimeCupom = true;
    }

    if (codigo == 0 && Campos::Preenchido(CAMPO_LINHAS_RETORNO)) MostraModal(FrmRetorno_Opr, lbTitulo->text());
    if (!mensagem.isEmpty()) lbMensagem->setText(mensagem);
    RemoveCartao(Mensagem(codigo == 0 ? 1632 : 1092));

    if (ImprimeCupom) {
        PontalGravaArquivo();
        Campos::Limpa(CAMPO_RESULTADO_TRANSACAO);
        Encerra(mrOk);
        return;
    }
    if (enviaFinalizacao) {
        PontalEnviarFinalizacaoEx(1);
        GravaResultado(QStringLiteral("FF"), Mensagem(801));
    }
    if (antesDaCompra) {
        // The purchase that follows starts clean.
        LimpaCamposCDC();
        if (!Campos::Grava(CAMPO_MARCA_CONSULTA_CDC, QStringLiteral("1")))
            Audita(QStringLiteral("Kora41 - FrmCon_ParAdm: marca da consulta nao gravada"));
        PontalLimpaUltimaTrn();
    } else {
        Campos::Limpa(CAMPO_RESULTADO_TRANSACAO);
        PontalGravaArquivo();
    }
    Encerra(mrOk);
}

static QDialog* FormGaleriaConParAdm() {
    ProdutoGaleriaCDC();
    if (!Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("120000"))) return nullptr;
    Campos::Limpa(CAMPO_QTD_PARCELAS);
    Campos::Limpa(CAMPO_VALOR_ENTRADA);
    return TFrmCon_ParAdm::Cria();
}
KORA_REGISTRA_GALERIA(FrmCon_ParAdm, FormGaleriaConParAdm)
KORA_REGISTRA_FORM(FrmCon_ParAdm, TFrmCon_ParAdm)
