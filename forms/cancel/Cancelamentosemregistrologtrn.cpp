#include "cancel/Cancelamentosemregistrologtrn.h"

#include "Campos.h"
#include "Capturaautokora.h"
#include "Contextokora.h"
#include "bromo.h"
#include "ciraz.h"
#include "cancel/Teclascancelamento.h"
#include "framework/Controleskora.h"
#include "framework/Retornooperador6b.h"
#include "platform.h"
#include "pontal.h"
#include "transaction/Descritoreskora.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
bool bControlaKeyPreviewSemRegLog = true;
}

TFrmCanc_SemRegLogTrn::TFrmCanc_SemRegLogTrn(QWidget* parent) : TFrmMod(parent) {
    setObjectName(QStringLiteral("FrmCanc_SemRegLogTrn"));
    Controles(this)
        .Painel(pnCaptura, "pnCaptura", this, {24, 106, 580, 210}, Ctl::Rebaixado | Ctl::Cinza)
        .Painel(pnBotoes, "pnBotoes", this, {111, 330, 400, 40}, Ctl::Cinza)
        .Botao(btConfirma, "btConfirma", pnBotoes, {31, 5, 121, 30}, "&1 - Confirma", {.foco = 46})
        .Botao(btRetorna, "btRetorna", pnBotoes, {248, 5, 121, 30}, "&9 - Cancela", {.foco = 48})
        .Rotulo(lbValorCanc, "lbValorCanc", pnCaptura, {20, 36, 200, 16},
                "Valor Cancelam.:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edValorCanc, "edValorCanc", pnCaptura, {224, 32, 120, 24}, {.max = 12, .foco = 2614})
        .Temporizador(TClique, "TClique", 1);
    btConfirma->setVisible(false);
    btRetorna->setVisible(false);
    DefineEntradas({edValorCanc, btConfirma, btRetorna});
    teclas_ = new TTeclasCancelamento(this, bControlaKeyPreviewSemRegLog);
    teclas_->Edicao(edValorCanc, TTeclasCancelamento::Valor);
    Liga(btConfirma, &QPushButton::clicked, [this] { Confirma(); });
    Liga(btRetorna, &QPushButton::clicked, [this] { btRetornaClick(); });
    Liga(TClique, &QTimer::timeout, [this] { TCliqueTimer(); });
}

void TFrmCanc_SemRegLogTrn::DefineEntradas(const QList<QWidget*>& controles) {
    Entradas = controles;
    for (qsizetype i = 1; i < controles.size(); ++i) QWidget::setTabOrder(controles[i - 1], controles[i]);
}

void TFrmCanc_SemRegLogTrn::EdicaoDigitos(QLineEdit* ed) { teclas_->Edicao(ed, TTeclasCancelamento::Digitos); }

void TFrmCanc_SemRegLogTrn::FormCreate() {
    TFrmMod::FormCreate();
    btConfirma->setVisible(true);
    btRetorna->setVisible(true);
}

void TFrmCanc_SemRegLogTrn::Habilita(bool sim) {
    pnCaptura->setEnabled(sim);
    btConfirma->setEnabled(sim);
    btRetorna->setEnabled(sim);
}

void TFrmCanc_SemRegLogTrn::IniciaCamposForm() {
    Habilita(true);
    lbValorCanc->setText(Mensagem(bCancelamentoDCCHabilitado() ? 2798 : 2680));
    btConfirma->setText(Mensagem(553));
    btRetorna->setText(Mensagem(554));
    edValorCanc->setText(TextoValor(Campos::Le(CAMPO_VALOR_CANCELAR)));
    edValorCanc->setEnabled(edValorCanc->text().isEmpty());
    pTransacao = &TrnCancelamento;
}

void TFrmCanc_SemRegLogTrn::FormShow() {
    bControlaKeyPreviewSemRegLog = true;
    teclas_->Instala();
    IniciaCamposForm();
    TFrmMod::FormShow();
    FocaPrimeiro(Entradas);
}

void TFrmCanc_SemRegLogTrn::FormActivate() {
    TFrmMod::FormActivate();
    const AutoConfirma modo = ModoAutoConfirma();
    if (modo == AutoConfirma::Sempre || (modo == AutoConfirma::SemEdicao && qobject_cast<QPushButton*>(focusWidget())))
        TClique->start();
}

void TFrmCanc_SemRegLogTrn::TCliqueTimer() {
    TClique->stop();
    if (isVisible() && result() == 0 && btConfirma->isEnabled()) Confirma();
}

void TFrmCanc_SemRegLogTrn::Confirma() {
    AcaoExclusiva([this] { btConfirmaClick(); });
}

bool TFrmCanc_SemRegLogTrn::Recusa(int mensagem, QLineEdit* ed) {
    if (mensagem) CaixaMensagem(Mensagem(mensagem), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    pnCaptura->setEnabled(true);
    if (ed && ed->isEnabled()) {
        ed->clear();
        ed->setFocus();
    } else {
        FocaPrimeiro(Entradas);
    }
    return false;
}

bool TFrmCanc_SemRegLogTrn::GravaCamposPontal() { return Campos::Grava(CAMPO_FASE_TROCA, QStringLiteral("4")); }

void TFrmCanc_SemRegLogTrn::btRetornaClick() { FechaForm(mrCancel); }

void TFrmCanc_SemRegLogTrn::btConfirmaClick() {
    bControlaKeyPreviewSemRegLog = false;
    Habilita(false);
    lbMensagem->setText(Mensagem(43));
    repaint();
    const bool seguir = ValidaCamposForm() && GravaCamposPontal() && ConfirmaFormataCancelamento(true) &&
                        VerificaProcessaCartao() && VerificaCapturaSenha() && VerificaObtemDadosEmv() &&
                        GravaCamposPontal();
    if (!seguir) {
        Habilita(true);
        return;
    }
    ExibeMsgPinpad(Mensagem(1091));
    AutorizaTransacao(pTransacao, lbMensagem, 0);
    ExibeMsgPinpad(QString());

    const int r = Campos::LeNumero(CAMPO_CODIGO_RESPOSTA, -1);
    QString s = Campos::Le(CAMPO_TEXTO_OPERADOR).trimmed();
    const bool digitado = Campos::Le(CAMPO_TIPO_OPERACAO_CARTAO).left(2) == QLatin1String("2");
    if (r == 0 && !Campos::Le(CAMPO_LINHAS_RETORNO).isEmpty()) {
        TFrmRetorno_Opr::Mostra(lbTitulo->text());
        repaint();
    }
    if (EhCartaoChipComContato()) s = s.isEmpty() ? Mensagem(944) : s + QStringLiteral(" - ") + Mensagem(944);
    if (!s.isEmpty()) MostraMensagem(s);
    repaint();
    if (!digitado) RemoveCartao(Mensagem(r == 0 ? 1632 : 1092));
    PontalGravaArquivo();
    FechaForm(mrOk);
}
