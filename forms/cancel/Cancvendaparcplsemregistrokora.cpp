#include "cancel/Cancvendaparcplsemregistrokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "framework/Controleskora.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmCancVendaParcPL_SemRegLog::TFrmCancVendaParcPL_SemRegLog(QWidget* parent) : TFrmCancVendaPL_SemRegLog(parent) {
    Controles(this)
        .Rotulo(lbNumParcelas, "lbNumParcelas", pnCaptura, {20, 76, 200, 16}, "Parcelas:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edNumParcelas, "edNumParcelas", pnCaptura, {224, 72, 40, 24}, {.max = 2, .foco = 23})
        .Rotulo(lbDiasPrimParc, "lbDiasPrimParc", pnCaptura, {20, 116, 200, 16},
                "Dias 1a. Parcela:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edDiasPrimParc, "edDiasPrimParc", pnCaptura, {224, 112, 50, 24}, {.max = 3, .foco = 2631});
    EdicaoDigitos(edNumParcelas);
    EdicaoDigitos(edDiasPrimParc);
    // The days count only for more than one instalment.
    Liga(edNumParcelas, &QLineEdit::textChanged, [this] { edNumParcelasEnter(); });
    DefineEntradas({edValorCanc, edNumParcelas, edDiasPrimParc, btConfirma, btRetorna});
}

int TFrmCancVendaParcPL_SemRegLog::Parcelas() const { return Numero(edNumParcelas); }

void TFrmCancVendaParcPL_SemRegLog::IniciaCamposForm() {
    TFrmCancVendaPL_SemRegLog::IniciaCamposForm();
    lbNumParcelas->setText(Mensagem(2629));
    lbDiasPrimParc->setText(Mensagem(2630));
    const QString parcelas = Campos::Le(CAMPO_QTD_PARCELAS);
    const QString dias = Campos::Le(CAMPO_DIAS_PRIMEIRA_PARCELA_PL);
    edNumParcelas->setText(parcelas);
    edDiasPrimParc->setText(dias);
    edNumParcelas->setEnabled(parcelas.isEmpty());
    edDiasPrimParc->setEnabled(dias.isEmpty() && bDiasPermitidos);
    lbDiasPrimParc->setEnabled(bDiasPermitidos);
}

void TFrmCancVendaParcPL_SemRegLog::edNumParcelasEnter() {
    if (bDiasPermitidos) edDiasPrimParc->setEnabled(Parcelas() > 1);
}

bool TFrmCancVendaParcPL_SemRegLog::GravaCamposPontal() {
    if (!TFrmCancVendaPL_SemRegLog::GravaCamposPontal()) return false;
    if (Parcelas() <= 1) {
        Campos::Limpa(CAMPO_QTD_PARCELAS);
        Campos::Limpa(CAMPO_DIAS_PRIMEIRA_PARCELA_PL);
        return true;
    }
    if (!Campos::Grava(CAMPO_QTD_PARCELAS, edNumParcelas->text())) return false;
    if (Numero(edDiasPrimParc) >= 2) return Campos::Grava(CAMPO_DIAS_PRIMEIRA_PARCELA_PL, edDiasPrimParc->text());
    Campos::Limpa(CAMPO_DIAS_PRIMEIRA_PARCELA_PL);
    return true;
}
