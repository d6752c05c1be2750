#include "Compraprivatelabelpredatado.h"

#include "Campos.h"
#include "Contextokora.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmPrivLabel_PreDatado* FrmPrivLabel_PreDatado = nullptr;

TFrmPrivLabel_PreDatado* TFrmPrivLabel_PreDatado::Cria() { return TFrmMod::CriaForm<TFrmPrivLabel_PreDatado>(); }

TFrmPrivLabel_PreDatado::TFrmPrivLabel_PreDatado(QWidget* parent) : TFrmPrivLabel_Trn(parent) {
    setObjectName(QStringLiteral("FrmPrivLabel_PreDatado"));
    Controles(this)
        .Rotulo(lbQtdeDias, "lbQtdeDias", pnCaptura, {0, 80, 100, 16}, "Quantos Dias?", Ctl::Direita | Ctl::Destaque)
        .Edicao(edQtdeDias, "edQtdeDias", pnCaptura, {104, 76, 40, 24}, {.max = 3, .foco = 2638});
    SoDigitos(edQtdeDias);
    OrdemTab({edValor, edQtdeDias, btConfirma, btRetorna});
}

void TFrmPrivLabel_PreDatado::IniciaCamposForm() {
    TFrmPrivLabel_Trn::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2651));
    lbQtdeDias->setText(Mensagem(2635));
}

bool TFrmPrivLabel_PreDatado::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    if (edQtdeDias->text().toInt() > 1) return true;
    RecusaEdicao(edQtdeDias, 2637);
    return false;
}

bool TFrmPrivLabel_PreDatado::GravaCamposPontal() {
    return TFrmTrn_Mod::GravaCamposPontal() && Campos::Grava(CAMPO_CODIGO_FINANCIAMENTO, QStringLiteral("3")) &&
           Campos::Grava(CAMPO_DIAS_PRIMEIRA_PARCELA_PL, QString::number(edQtdeDias->text().toInt()));
}

// Typed by the operator: no amount from the host.
KORA_REGISTRA_GALERIA(FrmPrivLabel_PreDatado, [] {
    Campos::Limpa(CAMPO_VALOR_TRANSACAO);
    return static_cast<QDialog*>(TFrmPrivLabel_PreDatado::Cria());
})
KORA_REGISTRA_FORM(FrmPrivLabel_PreDatado, TFrmPrivLabel_PreDatado)
