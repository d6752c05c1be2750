#include "cancel/Capturacodautorizacaovalorcanc.h"

#include "Campos.h"
#include "Capturaautokora.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "cancel/Cancdebitovistasemregistrokora.h"
#include "cancel/Cancpagcontasemregistrokora.h"
#include "cancel/Cancpreautorizacaosemregistrokora.h"
#include "cancel/Galeriacancelamento.h"
#include "cancel/Menucancelamentocredito.h"
#include "cancel/Menucancelamentodebito.h"
#include "cancel/Teclascancelamento.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"
#include "platform.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmCap_CAut_Vlr* FrmCap_CAut_Vlr = nullptr;
namespace Capturacodautorizacaovalorcanc {
TServicoC1 ServicoC1;
}
using Capturacodautorizacaovalorcanc::ServicoC1;

namespace {
bool bControlaKeyPreviewCAut = true;

bool ValorVazio(const QLineEdit* ed) {
    return ed->text().trimmed().isEmpty() || RemoveFormato(ed->text()).toLongLong() == 0;
}

// Opens the no-record dialog `T` with `pai` as its caller.
template <class T> void Abre(QDialog* pai, T*& var, const char* nome) {
    if (!CriaExecutaForm<T>(pai, var))
        Plataforma::MessageBox(FormataMensagem(Mensagem(802), nome), QString::fromLatin1(TITULO_APLICACAO),
                               Plataforma::MB_OK, Plataforma::Icone::Exclamacao, pai);
}
} // namespace

TFrmCap_CAut_Vlr* TFrmCap_CAut_Vlr::Cria() { return TFrmMod::CriaForm<TFrmCap_CAut_Vlr>(); }

TFrmCap_CAut_Vlr::TFrmCap_CAut_Vlr(QWidget* parent) : TFrmMod(parent) {
    setObjectName(QStringLiteral("FrmCap_CAut_Vlr"));
    Controles(this)
        .Painel(pnCaptura, "pnCaptura", this, {24, 106, 580, 210}, Ctl::Rebaixado | Ctl::Cinza)
        .Edicao(edValorCanc, "edValorCanc", pnCaptura, {150, 72, 120, 24}, {.max = 12, .foco = 2614})
        .Rotulo(lbValorCanc, "lbValorCanc", pnCaptura, {8, 76, 138, 16},
                "Valor Cancelam.:", Ctl::Direita | Ctl::Destaque)
        .Rotulo(lbCodAutorizacao, "lbCodAutorizacao", pnCaptura, {8, 76, 138, 16},
                "Num. Aut. Orig.:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edCodAutorizacao, "edCodAutorizacao", pnCaptura, {150, 72, 120, 24}, {.max = 6, .foco = 36})
        .Painel(pnBotoes, "pnBotoes", this, {111, 330, 400, 40}, Ctl::Cinza)
        .Botao(btConfirma, "btConfirma", pnBotoes, {31, 5, 121, 30}, "&1 - Confirma", {.foco = 46})
        .Botao(btRetorna, "btRetorna", pnBotoes, {248, 5, 121, 30}, "&9 - Cancela", {.foco = 48});
    OrdemTab({edCodAutorizacao, edValorCanc, btConfirma, btRetorna});
    btConfirma->setVisible(false);
    btRetorna->setVisible(false);
    teclas_ = new TTeclasCancelamento(this, bControlaKeyPreviewCAut);
    teclas_->Edicao(edValorCanc, TTeclasCancelamento::Valor);
    teclas_->AoEnter(edValorCanc, [this] {
        if (!ValorVazio(edValorCanc)) return false;
        bControlaKeyPreviewCAut = false;
        return true;
    });
    teclas_->AoEnter(edCodAutorizacao, [this] {
        if (!edCodAutorizacao->text().isEmpty()) return false;
        bControlaKeyPreviewCAut = false;
        return true;
    });
    Liga(btConfirma, &QPushButton::clicked, [this] { btConfirmaClick(); });
    Liga(btRetorna, &QPushButton::clicked, [this] { btRetornaClick(); });
}

void TFrmCap_CAut_Vlr::FormCreate() {
    TFrmMod::FormCreate();
    btConfirma->setVisible(true);
    btRetorna->setVisible(true);
}

int TFrmCap_CAut_Vlr::TrataServicoC1() {
    ::TrataServicoC1(ServicoC1);
    return ServicoC1.procuraCodigo(Campos::LeBytes(CAMPO_CODIGO_PRODUTO, 4));
}

void TFrmCap_CAut_Vlr::Habilita(bool sim) {
    pnCaptura->setEnabled(sim);
    btConfirma->setEnabled(sim);
    btRetorna->setEnabled(sim);
}

void TFrmCap_CAut_Vlr::IniciaCamposForm() {
    Habilita(true);
    edValorCanc->clear();
    edCodAutorizacao->clear();
    lbTitulo->setText(Mensagem(2640));
    lbCodAutorizacao->setText(Mensagem(2641));
    const int r = Campos::LeNumero(CAMPO_CODIGO_RESPOSTA, -1);
    const bool semRegistro = r != 0;
    lbCodAutorizacao->setVisible(semRegistro);
    edCodAutorizacao->setVisible(semRegistro);
    if (semRegistro) {
        lbValorCanc->move(280, lbValorCanc->y());
        edValorCanc->move(420, edValorCanc->y());
        // The outcome stands if the operator leaves from here.
        (void)Campos::Grava(CAMPO_CODIGO_RESPOSTA, QStringLiteral("FF"));
        (void)Campos::Grava(CAMPO_TEXTO_RESULTADO, Mensagem(801));
    } else {
        lbValorCanc->move(8, lbValorCanc->y());
        edValorCanc->move(150, edValorCanc->y());
    }
    lbValorCanc->setText(Mensagem(bCancelamentoDCCHabilitado() ? 2798 : 2680));
    // No entry for the chosen product: the first one decides, as it did for
    // the form that opened this dialog.
    int i = TrataServicoC1();
    if (i < 0) i = 0;
    const bool valor = ServicoC1.entrada(i).pedeAutorizacao == '1';
    lbValorCanc->setVisible(valor);
    edValorCanc->setVisible(valor);
    if (valor) edValorCanc->setText(TextoValor(Campos::Le(CAMPO_VALOR_TRANSACAO)));
    btConfirma->setText(Mensagem(553));
    btRetorna->setText(Mensagem(554));
}

void TFrmCap_CAut_Vlr::FormShow() {
    bControlaKeyPreviewCAut = true;
    teclas_->Instala();
    IniciaCamposForm();
    TFrmMod::FormShow();
    FocaPrimeiro({edCodAutorizacao, edValorCanc, btConfirma, btRetorna});
    if (edCodAutorizacao->hasFocus())
        MostraMensagem(Mensagem(36));
    else if (edValorCanc->hasFocus())
        MostraMensagem(Mensagem(2614));
}

bool TFrmCap_CAut_Vlr::ValidaCamposForm() {
    if (edCodAutorizacao->isVisibleTo(this) && edCodAutorizacao->text().trimmed().isEmpty()) {
        pnCaptura->setEnabled(true);
        edCodAutorizacao->setEnabled(true);
        edCodAutorizacao->clear();
        edCodAutorizacao->setFocus();
        return false;
    }
    if (edValorCanc->isVisibleTo(this) && ValorVazio(edValorCanc)) {
        pnCaptura->setEnabled(true);
        if (edValorCanc->isEnabled()) {
            edValorCanc->clear();
            edValorCanc->setFocus();
        } else {
            FocaPrimeiro({edCodAutorizacao, edValorCanc, btConfirma, btRetorna});
        }
        return false;
    }
    return true;
}

bool TFrmCap_CAut_Vlr::GravaCamposPontal() {
    if (edCodAutorizacao->isVisibleTo(this) &&
        !Campos::Grava(CAMPO_AUTORIZACAO_CANCELAR, RemoveFormato(edCodAutorizacao->text())))
        return false;
    if (edValorCanc->isVisibleTo(this) && !Campos::Grava(CAMPO_VALOR_CANCELAR, RemoveFormato(edValorCanc->text())))
        return false;
    return true;
}

void TFrmCap_CAut_Vlr::btConfirmaClick() {
    bControlaKeyPreviewCAut = false;
    Habilita(false);
    lbMensagem->setText(Mensagem(43));
    repaint();
    if (!ValidaCamposForm() || !GravaCamposPontal()) {
        Habilita(true);
        return;
    }
    if (!Campos::LeBytes(CAMPO_CABECALHO_RESPOSTA, 85).startsWith("V8")) {
        FechaForm(mrOk);
        return;
    }
    Campos::Limpa(CAMPO_TEXTO_OPERADOR);
    repaint();
    switch (std::max(Produto.tipo(), 0)) {
    case 1: Abre(this, FrmCancCred_Mnu, "FrmCancCred_Mnu"); break;
    case 3: Abre(this, FrmCancDeb_Mnu, "FrmCancDeb_Mnu"); break;
    case 5: Abre(this, FrmCancPreAut_SemRegLog, "FrmCancPreAut_SemRegLog"); break;
    case 15: Abre(this, FrmCancPC_SemRegLog, "FrmCancPC_SemRegLog"); break;
    case 18: Abre(this, FrmCancDebVista_SemRegLog, "TFrmCancDebVista_SemRegLog"); break;
    default: break;
    }
    Habilita(true);
    bControlaKeyPreviewCAut = true;
    btConfirma->setFocus();
    MostraMensagem(Mensagem(46));
}

void TFrmCap_CAut_Vlr::btRetornaClick() { FechaForm(mrCancel); }

KORA_REGISTRA_GALERIA(FrmCap_CAut_Vlr, [] {
    GaleriaCancelamento::VendaACancelar();
    GaleriaCancelamento::ListaC1();
    (void)Campos::Grava(CAMPO_CODIGO_RESPOSTA, QStringLiteral("0"));
    return static_cast<QDialog*>(TFrmCap_CAut_Vlr::Cria());
})
KORA_REGISTRA_FORM(FrmCap_CAut_Vlr, TFrmCap_CAut_Vlr)
