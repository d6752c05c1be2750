#include "cancel/Selecionatipocancelamento.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "cancel/Galeriacancelamento.h"
#include "cancel/Teclascancelamento.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"
#include "platform.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

TFrmSel_Canc* FrmSel_Canc = nullptr;
namespace Selecionatipocancelamento {
TServicoC1 ServicoC1;
}
using Selecionatipocancelamento::ServicoC1;

namespace {
bool bControlaKeyPreviewSel = true;
}

TFrmSel_Canc* TFrmSel_Canc::Cria() { return TFrmMod::CriaForm<TFrmSel_Canc>(); }

TFrmSel_Canc::TFrmSel_Canc(QWidget* parent) : TFrmMod(parent) {
    setObjectName(QStringLiteral("FrmSel_Canc"));
    Controles(this)
        .Painel(pnCaptura, "pnCaptura", this, {24, 106, 580, 210}, Ctl::Rebaixado | Ctl::Cinza)
        .Rotulo(lbTrnCancelamento, "lbTrnCancelamento", pnCaptura, {16, 60, 190, 16},
                "Trn. a ser Cancelada:", Ctl::Direita | Ctl::Destaque)
        .Painel(pnBotoes, "pnBotoes", this, {111, 330, 400, 40}, Ctl::Cinza)
        .Botao(btConfirma, "btConfirma", pnBotoes, {31, 5, 121, 30}, "&1 - Confirma", {.foco = 46})
        .Botao(btRetorna, "btRetorna", pnBotoes, {248, 5, 121, 30}, "&9 - Cancela", {.foco = 48})
        .Combo(cbListaTrnCancelamento, "cbListaTrnCancelamento", pnCaptura, {212, 56, 340, 24});
    OrdemTab({cbListaTrnCancelamento, btConfirma, btRetorna});
    btConfirma->setVisible(false);
    btRetorna->setVisible(false);
    LigaEntrada(cbListaTrnCancelamento, [this] { MostraMensagem(Mensagem(2646) + QLatin1Char(' ') + Mensagem(1075)); });
    teclas_ = new TTeclasCancelamento(this, bControlaKeyPreviewSel);
    Liga(btConfirma, &QPushButton::clicked, [this] { btConfirmaClick(); });
    Liga(btRetorna, &QPushButton::clicked, [this] { btRetornaClick(); });
}

void TFrmSel_Canc::FormCreate() {
    TFrmMod::FormCreate();
    btConfirma->setVisible(true);
    btRetorna->setVisible(true);
    lbTitulo->setText(Mensagem(2644));
    lbTrnCancelamento->setText(Mensagem(2645));
    btConfirma->setText(Mensagem(553));
    btRetorna->setText(Mensagem(554));
}

void TFrmSel_Canc::TrataServicoC1() { ::TrataServicoC1(ServicoC1); }

bool TFrmSel_Canc::DisponibilizaTransacoesCancelamento() {
    cbListaTrnCancelamento->clear();
    TrataServicoC1();
    const int n = ServicoC1.quantidade();
    if (n == 0) return false;
    for (int k = 0; k < n; ++k) cbListaTrnCancelamento->addItem(QString::fromLatin1(ServicoC1.entrada(k).descricao));
    if (n == 1) {
        cbListaTrnCancelamento->setCurrentIndex(0);
        (void)GravaCamposPontal();
        return false;
    }
    cbListaTrnCancelamento->setCurrentIndex(-1);
    return true;
}

void TFrmSel_Canc::Habilita(bool sim) {
    pnCaptura->setEnabled(sim);
    btConfirma->setEnabled(sim);
    btRetorna->setEnabled(sim);
}

void TFrmSel_Canc::IniciaCamposForm() {
    Habilita(true);
    cbListaTrnCancelamento->setCurrentIndex(-1);
}

void TFrmSel_Canc::FormShow() {
    bControlaKeyPreviewSel = true;
    teclas_->Instala();
    IniciaCamposForm();
    TFrmMod::FormShow();
    FocaPrimeiro({cbListaTrnCancelamento, btConfirma, btRetorna});
}

bool TFrmSel_Canc::FiltraEvento(QObject* obj, QEvent* ev) {
    if (obj == cbListaTrnCancelamento && ev->type() == QEvent::KeyPress) {
        const QString t = static_cast<QKeyEvent*>(ev)->text();
        const int i = cbListaTrnCancelamento->currentIndex();
        if (t == QLatin1String("2")) {
            if (i + 1 < cbListaTrnCancelamento->count()) cbListaTrnCancelamento->setCurrentIndex(i + 1);
            return true;
        }
        if (t == QLatin1String("8")) {
            if (i > 0) cbListaTrnCancelamento->setCurrentIndex(i - 1);
            return true;
        }
    }
    return TFrmMod::FiltraEvento(obj, ev);
}

bool TFrmSel_Canc::ValidaCamposForm() {
    if (cbListaTrnCancelamento->currentIndex() >= 0) return true;
    CaixaMensagem(Mensagem(2642), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    Habilita(true);
    cbListaTrnCancelamento->setFocus();
    return false;
}

bool TFrmSel_Canc::GravaCamposPontal() {
    const TEntradaC1 e = ServicoC1.entrada(cbListaTrnCancelamento->currentIndex());
    for (int i = 0; i < 2; ++i) Produto.dados[OffProduto::TIPO + i] = uchar(i < e.tipo.size() ? e.tipo[i] : '\0');
    return Campos::GravaBytes(CAMPO_CODIGO_PRODUTO, e.codigo);
}

bool TFrmSel_Canc::VerificaCancelamentoProduto() {
    static const int tipos[] = {1, 3, 5, 15, 18, 30, 32, 33};
    const int k = std::max(Produto.tipo(), 0);
    for (int t : tipos)
        if (t == k) return true;
    CaixaMensagem(Mensagem(2643), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    Habilita(true);
    cbListaTrnCancelamento->setCurrentIndex(-1);
    cbListaTrnCancelamento->setFocus();
    return false;
}

void TFrmSel_Canc::btConfirmaClick() {
    bControlaKeyPreviewSel = false;
    Habilita(false);
    lbMensagem->setText(Mensagem(43));
    repaint();
    const bool ok = ValidaCamposForm() && GravaCamposPontal() && VerificaCancelamentoProduto();
    Habilita(true);
    if (ok) FechaForm(mrOk);
}

void TFrmSel_Canc::btRetornaClick() { FechaForm(mrCancel); }

KORA_REGISTRA_GALERIA(FrmSel_Canc, [] {
    GaleriaCancelamento::ListaC1();
    TFrmSel_Canc* f = TFrmSel_Canc::Cria();
    f->DisponibilizaTransacoesCancelamento();
    return static_cast<QDialog*>(f);
})
KORA_REGISTRA_FORM(FrmSel_Canc, TFrmSel_Canc)
