#include "cancel/Cancelamentotrnkora.h"

#include "Campos.h"
#include "Capturaautokora.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "cancel/Capturacodautorizacaovalorcanc.h"
#include "cancel/Selecionatipocancelamento.h"
#include "cancel/Teclascancelamento.h"
#include "capture/Capturaembosso_cvv2.h"
#include "capture/Filtroteclakora.h"
#include "ciraz.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"
#include "framework/Retornooperador6b.h"
#include "platform.h"
#include "pontal.h"
#include "transaction/Descritoreskora.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstring>

TFrmCnc_Trn* FrmCnc_Trn = nullptr;
namespace Cancelamentotrnkora {
TServicoC1 ServicoC1;
}
using Cancelamentotrnkora::ServicoC1;

namespace {
constexpr int TAM_REGISTRO_CARTAO = 54;
constexpr int TAM_CABECALHO = 85;
constexpr int TAM_TEXTO_CONFIRMACAO = 129;

bool RespostaV8() { return Campos::LeBytes(CAMPO_CABECALHO_RESPOSTA, TAM_CABECALHO).startsWith("V8"); }

// A dialog of this form's own steps: shown and freed here, its result
// decided by the form (no file stored on the way, unlike a form the entry
// runs).
template <class T> int MostraDialogo(T*& var) {
    if (!var) var = T::Cria();
    if (!var) return 0;
    const int r = var->exec();
    delete var;
    var = nullptr;
    return r;
}

void AbandonaCancelamento() {
    (void)Campos::Grava(CAMPO_CODIGO_RESPOSTA, QStringLiteral("FF"));
    (void)Campos::Grava(CAMPO_TEXTO_RESULTADO, Mensagem(801));
}
} // namespace

TFrmCnc_Trn* TFrmCnc_Trn::Cria() { return TFrmMod::CriaForm<TFrmCnc_Trn>(); }

TFrmCnc_Trn::TFrmCnc_Trn(QWidget* parent) : TFrmTrn_Mod(parent) {
    setObjectName(QStringLiteral("FrmCnc_Trn"));
    Controles(this)
        .Mascara(edDtTransacao, "edDtTransacao", pnCaptura, {224, 32, 101, 24}, "99/99/9999;_", {.max = 10, .foco = 37})
        .Rotulo(lbDtTransacao, "lbDtTransacao", pnCaptura, {20, 36, 200, 16}, "Data:", Ctl::Direita | Ctl::Destaque)
        .Rotulo(lbNumDocumento, "lbNumDocumento", pnCaptura, {20, 76, 200, 16}, "NSU:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edNumDocumento, "edNumDocumento", pnCaptura, {224, 72, 101, 24}, {.max = 6, .foco = 18});
    lbValor->setGeometry(20, 116, 200, 16);
    edValor->setGeometry(224, 112, 101, 24);
    LigaEntrada(edValor, [this] { MostraMensagem(Mensagem(19)); });
    edNumDocumento->installEventFilter(this);
    Entradas = {edDtTransacao, edNumDocumento, edValor, btConfirma, btRetorna};
    OrdemTab({edDtTransacao, edNumDocumento, edValor, btConfirma, btRetorna});
}

bool TFrmCnc_Trn::FiltraEvento(QObject* obj, QEvent* ev) {
    // The NSU takes digits only.
    if (obj == edNumDocumento && TeclaRecusada(ev)) return true;
    return TFrmTrn_Mod::FiltraEvento(obj, ev);
}

void TFrmCnc_Trn::FormShow() {
    TFrmTrn_Mod::FormShow();
    // The focus chain starts at the model's buttons: the first input is ours to pick.
    FocaPrimeiro(Entradas);
}

void TFrmCnc_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    edDtTransacao->clear();
    lbDtTransacao->setText(Mensagem(564));
    lbNumDocumento->setText(Mensagem(783));
    const QString data = Campos::Le(CAMPO_DATA_ORIGINAL).trimmed();
    if (!data.isEmpty()) {
        edDtTransacao->clear();
        if (data.size() == 4)
            edDtTransacao->setText(data.left(2) + QLatin1Char('/') + data.mid(2, 2) + QLatin1Char('/') +
                                   QString::number(Plataforma::Agora().date().year()));
        else
            edDtTransacao->setText(data.left(2) + QLatin1Char('/') + data.mid(2, 2) + QLatin1Char('/') +
                                   data.mid(4, 4));
        edDtTransacao->setEnabled(false);
    } else {
        edDtTransacao->setEnabled(true);
    }
    edNumDocumento->setText(Campos::Le(CAMPO_NSU_ORIGINAL));
    edNumDocumento->setEnabled(edNumDocumento->text().isEmpty());
    if (bCancelamentoDCCHabilitado()) lbValor->setText(Mensagem(2798));
    pTransacao = &TrnCancelamento;
    LimpaVariaveisCancelamento();
    // The query goes out before any C1 list exists.
    ServicoC1.limpa();
    Tag = FASE_CONSULTA;
}

bool TFrmCnc_Trn::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    const QString texto = edDtTransacao->text().trimmed();
    const QDate data = QDate::fromString(texto, QStringLiteral("dd/MM/yyyy"));
    if (!data.isValid() || data > Plataforma::Agora().date() || texto.size() < 10) {
        CaixaMensagem(Mensagem(787), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
        pnCaptura->setEnabled(true);
        if (edDtTransacao->isEnabled()) edDtTransacao->setFocus();
        return false;
    }
    if (edNumDocumento->text().trimmed().size() < 6) {
        CaixaMensagem(Mensagem(846), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
        pnCaptura->setEnabled(true);
        edNumDocumento->setEnabled(true);
        edNumDocumento->clear();
        edNumDocumento->setFocus();
        return false;
    }
    return true;
}

bool TFrmCnc_Trn::GravaCamposPontal() {
    if (!TFrmTrn_Mod::GravaCamposPontal()) return false;
    if (!Campos::Grava(CAMPO_CODIGO_REQUISICAO, QStringLiteral("43"))) return false;
    if (!Campos::Grava(CAMPO_FASE_TROCA, QString::number(Tag))) return false;

    const QString cancelar = RemoveFormato(Campos::Le(CAMPO_VALOR_CANCELAR));
    const QString venda = RemoveFormato(Campos::Le(CAMPO_VALOR_TRANSACAO));
    if (cancelar.isEmpty()) {
        if (!Campos::Grava(CAMPO_VALOR_CANCELAR, venda)) return false;
    } else if (cancelar != venda) {
        if (!Campos::Grava(CAMPO_VALOR_CANCELAR_FORMATADO, Dollar(cancelar))) return false;
    }

    const QString d = RemoveFormato(edDtTransacao->text());
    if (!Campos::Grava(CAMPO_DATA_ORIGINAL, d)) return false;
    DefineDataCancelamento(("031:" + d.mid(4, 4) + d.mid(2, 2) + d.mid(0, 2)).toLatin1());
    if (!Campos::Grava(CAMPO_NSU_ORIGINAL, edNumDocumento->text())) return false;

    // Before the reply the list is empty and the selected product decides.
    int tipo = ServicoC1.entrada(0).tipoNumero();
    if (tipo == 0) tipo = std::max(Produto.tipo(), 0);
    if (tipo == 1) return VerificaGravaTipoTrnCredito();
    if (tipo == 3) return Campos::Grava(CAMPO_CODIGO_TIPO_TRANSACAO, QStringLiteral("35"));
    if (tipo == 5) return Campos::Grava(CAMPO_CODIGO_TIPO_TRANSACAO, QStringLiteral("19"));
    return true;
}

void TFrmCnc_Trn::TrataServicoC1() { ::TrataServicoC1(ServicoC1); }

bool TFrmCnc_Trn::VerificaCapturaCSEG_EMBOSSO() {
    const TEntradaC1 e = ServicoC1.entrada(0);
    if (e.pedeEmbosso != '1' && e.pedeCSeg != '1') return true;
    if (MostraDialogo(FrmCapEmb_CVV2) == mrCancel) {
        Campos::Limpa(CAMPO_CODIGO_SEGURANCA);
        AbandonaCancelamento();
        return false;
    }
    repaint();
    return true;
}

void TFrmCnc_Trn::btConfirmaClick() {
    bCapturaSenha = false;
    bControlaKeyPreview = false;
    HabilitaControles(false);
    lbMensagem->setText(Mensagem(43));
    Plataforma::ProcessMessages();
    // No card product kind goes to the pinpad for a cancellation.
    Produto.dados[OffProduto::TIPO_PRODUTO_CHIP] = '0';

    if (!(ValidaCamposForm() && PassoObtemDadosEmv() && GravaCamposPontal() && PassoFormataDadosCartaoPinpad())) {
        HabilitaControles(true);
        Campos::Limpa(CAMPO_DATA_ORIGINAL);
        return;
    }

    // Query exchange. The card record is the host's and must survive it.
    ExibeMsgPinpad(Mensagem(1091));
    const QByteArray registro = Campos::LeBytes(CAMPO_REGISTRO_CARTAO, TAM_REGISTRO_CARTAO);
    ProcuraRemoveServico(CAMPO_LISTA_SERVICOS, 'R', QStringLiteral("10"));
    AutorizaTransacao(&TrnCancelamento, lbMensagem, 0);
    (void)Campos::GravaBytes(CAMPO_REGISTRO_CARTAO, registro);
    ExibeMsgPinpad(QString());
    repaint();
    AnalisaDadosCartao();

    const int r = Campos::LeNumero(CAMPO_CODIGO_RESPOSTA, -1);
    if (r == 0 && Tag == FASE_CONSULTA) {
        const QString tipoVenda = Campos::Le(CAMPO_TIPO_VENDA);
        TrataServicoC1();
        if (VerificaCapturaCSEG_EMBOSSO()) {
            if (ServicoC1.entrada(0).pedeAutorizacao == '1' && tipoVenda != QLatin1String("1")) {
                if (MostraDialogo(FrmCap_CAut_Vlr) != mrOk) {
                    Campos::Limpa(CAMPO_CODIGO_SEGURANCA);
                    Campos::Limpa(CAMPO_RESULTADO_TRANSACAO);
                    Campos::Limpa(CAMPO_DATA_ORIGINAL);
                    AbandonaCancelamento();
                } else if (!ConfirmaFormataCancelamento(false)) {
                    AbandonaCancelamento();
                } else if (ConfirmaCancelamento()) {
                    return;
                }
            } else {
                char texto[TAM_TEXTO_CONFIRMACAO] = {};
                const QByteArray cabeca = Mensagem(2583).toLatin1().left(TAM_TEXTO_CONFIRMACAO - 1);
                std::memcpy(texto, cabeca.constData(), size_t(cabeca.size()));
                TrataServicoM(texto, 0, TAM_TEXTO_CONFIRMACAO);
                const int resposta =
                    CaixaMensagem(QString::fromLatin1(texto), Plataforma::MB_YESNO, Plataforma::Icone::Informacao);
                if (resposta == Plataforma::IDYES) {
                    if (ConfirmaCancelamento()) return;
                } else {
                    AbandonaCancelamento();
                }
            }
        }
    } else if (RespostaV8()) {
        const QString s = Campos::Le(CAMPO_TEXTO_OPERADOR).trimmed();
        const int resposta = CaixaMensagem(Mensagem(2647) + QStringLiteral(". ") + s, Plataforma::MB_YESNO,
                                           Plataforma::Icone::Informacao);
        if (resposta == Plataforma::IDYES && CancelaSemRegistro()) return;
    }
    MostraResultado();
}

bool TFrmCnc_Trn::ConfirmaCancelamento() {
    Tag = FASE_CONFIRMACAO;
    repaint();
    Campos::Limpa(CAMPO_TEXTO_OPERADOR);
    (void)Campos::Grava(CAMPO_CONFIRMACAO_CANCELAMENTO, QStringLiteral("2"));
    TFrmTrn_Mod::btConfirmaClick();
    // The model's authorization stage shows the outcome and stores the file
    // itself: the cancellation must not store it again.
    return Encerrado();
}

bool TFrmCnc_Trn::CancelaSemRegistro() {
    TFrmSel_Canc* sel = TFrmSel_Canc::Cria();
    if (!sel) {
        ReportaFormNaoCriado("FrmSel_Canc");
        return false;
    }
    FrmSel_Canc = sel;
    const bool escolher = sel->DisponibilizaTransacoesCancelamento();
    const int resultado = escolher ? sel->exec() : mrOk;
    delete sel;
    FrmSel_Canc = nullptr;
    if ((escolher && resultado != mrOk) || (!escolher && Campos::Le(CAMPO_CODIGO_PRODUTO).trimmed().isEmpty())) {
        HabilitaControles(true);
        Encerra(mrCancel);
        return true;
    }

    TrataServicoC1();
    int captura = 0;
    const bool seguir = VerificaCapturaCSEG_EMBOSSO();
    if (seguir && !CriaExecutaForm<TFrmCap_CAut_Vlr>(this, FrmCap_CAut_Vlr, &captura))
        CaixaMensagem(FormataMensagem(Mensagem(802), "FrmCap_CAut_Vlr"), Plataforma::MB_OK,
                      Plataforma::Icone::Exclamacao);
    Campos::Limpa(CAMPO_CODIGO_SEGURANCA);
    Campos::Limpa(CAMPO_RESULTADO_TRANSACAO);
    Campos::Limpa(CAMPO_DATA_ORIGINAL);
    // A no-record form that ended the transaction stored it and closed
    // every dialog above it, this one included.
    if (captura == mrOk) {
        Encerra(mrOk);
        return true;
    }
    return false;
}

void TFrmCnc_Trn::MostraResultado() {
    const int r = Campos::LeNumero(CAMPO_CODIGO_RESPOSTA, -1);
    QString s = Campos::Le(CAMPO_TEXTO_OPERADOR).trimmed();
    const QString entrada = Campos::Le(CAMPO_TIPO_OPERACAO_CARTAO).left(2);
    if (EhCartaoChipComContato()) s = s.isEmpty() ? Mensagem(944) : s + QStringLiteral(" - ") + Mensagem(944);
    if (!s.isEmpty()) MostraMensagem(s);
    repaint();
    const bool digitado = entrada == QLatin1String("2");
    if (r == 0) {
        if (!digitado) RemoveCartao(Mensagem(1632));
        if (!Campos::Le(CAMPO_LINHAS_RETORNO).isEmpty()) TFrmRetorno_Opr::Mostra(lbTitulo->text());
    } else if (!digitado) {
        RemoveCartao(Mensagem(RespostaV8() ? 2648 : 1092));
    }
    PontalGravaArquivo();
    Campos::Limpa(CAMPO_RESULTADO_TRANSACAO);
    Campos::Limpa(CAMPO_DATA_ORIGINAL);
    Encerra(mrOk);
}
