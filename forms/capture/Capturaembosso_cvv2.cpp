#include "capture/Capturaembosso_cvv2.h"

#include "Campos.h"
#include "Capturaautokora.h"
#include "Contextokora.h"
#include "bromo.h"
#include "cancel/Galeriacancelamento.h"
#include "cancel/Teclascancelamento.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"
#include "platform.h"
#include "transaction/Trnmodelokora.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmCapEmb_CVV2* FrmCapEmb_CVV2 = nullptr;
namespace Capturaembosso_cvv2 {
TServicoC1 ServicoC1;
}
using Capturaembosso_cvv2::ServicoC1;

namespace {
bool bControlaKeyPreviewCVV2 = true;
constexpr int TAM_REGISTRO_CARTAO = 54;
constexpr int POS_FINAL_CARTAO = 10;
constexpr int POS_CONFERE_EMBOSSO = 42;
} // namespace

TFrmCapEmb_CVV2* TFrmCapEmb_CVV2::Cria() { return TFrmMod::CriaForm<TFrmCapEmb_CVV2>(); }

TFrmCapEmb_CVV2::TFrmCapEmb_CVV2(QWidget* parent) : TFrmMod(parent) {
    setObjectName(QStringLiteral("FrmCapEmb_CVV2"));
    Controles(this)
        .Painel(pnCaptura, "pnCaptura", this, {24, 106, 580, 210}, Ctl::Rebaixado | Ctl::Cinza)
        .Painel(pnBotoes, "pnBotoes", this, {111, 330, 400, 40}, Ctl::Cinza)
        .Botao(btConfirma, "btConfirma", pnBotoes, {31, 5, 121, 30}, "&1 - Confirma", {.foco = 46})
        .Botao(btRetorna, "btRetorna", pnBotoes, {248, 5, 121, 30}, "&9 - Cancela", {.foco = 48})
        .Rotulo(LbEmbosso, "LbEmbosso", pnCaptura, {20, 96, 200, 16}, "Embosso:", Ctl::Direita | Ctl::Destaque)
        .Edicao(EdEmbosso, "EdEmbosso", pnCaptura, {224, 92, 60, 24}, {.max = 4, .foco = 3})
        .Rotulo(LbCSeg, "LbCSeg", pnCaptura, {20, 136, 200, 16}, "C. Seg:", Ctl::Direita | Ctl::Destaque)
        .Edicao(EdCSeg, "EdCSeg", pnCaptura, {224, 132, 60, 24}, {.max = 5, .foco = 4})
        .Rotulo(lbValor, "lbValor", pnCaptura, {20, 56, 200, 16}, "Valor:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edValor, "edValor", pnCaptura, {224, 52, 101, 24}, {.max = 12});
    OrdemTab({edValor, EdEmbosso, EdCSeg, btConfirma, btRetorna});
    LigaEntrada(edValor, [this] { MostraMensagem(Mensagem(edValor->isReadOnly() ? 1459 : 26)); });
    teclas_ = new TTeclasCancelamento(this, bControlaKeyPreviewCVV2);
    teclas_->Edicao(edValor, TTeclasCancelamento::Valor);
    teclas_->Edicao(EdEmbosso, TTeclasCancelamento::Digitos);
    teclas_->Edicao(EdCSeg, TTeclasCancelamento::Digitos);
    Liga(btConfirma, &QPushButton::clicked, [this] { btConfirmaClick(); });
    Liga(btRetorna, &QPushButton::clicked, [this] { btRetornaClick(); });
}

int TFrmCapEmb_CVV2::TrataServicoC1() {
    ::TrataServicoC1(ServicoC1);
    return ServicoC1.procuraCodigo(Campos::LeBytes(CAMPO_CODIGO_PRODUTO, 4));
}

void TFrmCapEmb_CVV2::Habilita(bool sim) {
    pnCaptura->setEnabled(sim);
    btConfirma->setEnabled(sim);
    btRetorna->setEnabled(sim);
}

void TFrmCapEmb_CVV2::IniciaCamposForm() {
    lbTitulo->setText(Mensagem(492));
    LbEmbosso->setText(Mensagem(605));
    LbCSeg->setText(Mensagem(606));
    lbValor->setText(Mensagem(bCancelamentoDCCHabilitado() ? 2798 : 546));
    btConfirma->setText(Mensagem(553));
    btRetorna->setText(Mensagem(554));
    for (QWidget* w : {static_cast<QWidget*>(LbEmbosso), static_cast<QWidget*>(EdEmbosso),
                       static_cast<QWidget*>(LbCSeg), static_cast<QWidget*>(EdCSeg)})
        w->hide();
    EdEmbosso->clear();
    EdCSeg->clear();
    Habilita(true);
    edValor->setText(TextoValor(Campos::Le(CAMPO_VALOR_TRANSACAO)));
    edValor->setEnabled(edValor->text().isEmpty());
    edValor->setReadOnly(false);
    // No entry for the chosen product: the first one decides, as it did for
    // the cancellation form that opened this dialog.
    int i = TrataServicoC1();
    if (i < 0) i = 0;
    const TEntradaC1 e = ServicoC1.entrada(i);
    if (e.pedeEmbosso == '1') {
        LbEmbosso->show();
        EdEmbosso->show();
    }
    if (e.pedeCSeg == '1') {
        LbCSeg->show();
        EdCSeg->show();
    }
}

void TFrmCapEmb_CVV2::FormShow() {
    bControlaKeyPreviewCVV2 = true;
    teclas_->Instala();
    IniciaCamposForm();
    FocaPrimeiro({edValor, EdEmbosso, EdCSeg, btConfirma, btRetorna});
}

bool TFrmCapEmb_CVV2::ValidaCamposForm() {
    double valor = 0;
    if (edValor->text().isEmpty() || !ConverteValor(edValor->text(), valor) || valor <= 0) {
        CaixaMensagem(Mensagem(edValor->text().isEmpty() ? 26 : 790), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
        pnCaptura->setEnabled(true);
        edValor->setEnabled(true);
        edValor->clear();
        edValor->setFocus();
        return false;
    }
    const QByteArray registro = Campos::LeBytes(CAMPO_REGISTRO_CARTAO, TAM_REGISTRO_CARTAO);
    const bool confere = ServicoC1.entrada(0).pedeEmbosso == '1' && registro.mid(POS_CONFERE_EMBOSSO, 1) == "0" &&
                         Campos::Le(CAMPO_TIPO_OPERACAO_CARTAO) != QLatin1String("2");
    if (confere && EdEmbosso->text().trimmed().toLatin1() != registro.mid(POS_FINAL_CARTAO, 4)) {
        CaixaMensagem(Mensagem(317), Plataforma::MB_OK, Plataforma::Icone::Erro);
        pnCaptura->setEnabled(true);
        EdEmbosso->clear();
        EdEmbosso->setFocus();
        return false;
    }
    if (EdCSeg->isVisibleTo(this)) {
        const QString c = EdCSeg->text().trimmed();
        if (c != QLatin1String("0") && c != QLatin1String("1") && c.size() < 3) {
            pnCaptura->setEnabled(true);
            btConfirma->setEnabled(true);
            EdCSeg->setFocus();
            return false;
        }
    }
    return true;
}

bool TFrmCapEmb_CVV2::GravaCamposPontal() {
    const QString s = EdCSeg->text().trimmed();
    // The code no longer shows once taken.
    EdCSeg->setText(Replicate(QLatin1Char('*'), int(s.size())));
    if (s.isEmpty()) {
        Campos::Limpa(CAMPO_CODIGO_SEGURANCA);
        return true;
    }
    return Campos::GravaBytes(CAMPO_CODIGO_SEGURANCA, s.toLatin1());
}

void TFrmCapEmb_CVV2::btConfirmaClick() {
    bControlaKeyPreviewCVV2 = false;
    Habilita(false);
    lbMensagem->setText(Mensagem(43));
    if (ValidaCamposForm() && GravaCamposPontal()) {
        FechaForm(mrOk);
        return;
    }
    Habilita(true);
}

void TFrmCapEmb_CVV2::btRetornaClick() { FechaForm(mrCancel); }

KORA_REGISTRA_GALERIA(FrmCapEmb_CVV2, [] {
    GaleriaCancelamento::VendaACancelar();
    GaleriaCancelamento::ListaC1();
    return static_cast<QDialog*>(TFrmCapEmb_CVV2::Cria());
})
KORA_REGISTRA_FORM(FrmCapEmb_CVV2, TFrmCapEmb_CVV2)
