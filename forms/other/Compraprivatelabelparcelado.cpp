#include "Compraprivatelabelparcelado.h"

#include "Campos.h"
#include "Contextokora.h"
#include "framework/Controleskora.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmCpPrivLabel_Parcelado::TFrmCpPrivLabel_Parcelado(QWidget* parent) : TFrmPrivLabel_Trn(parent) {
    Controles(this)
        .Rotulo(lbNumParcelas, "lbNumParcelas", pnCaptura, {0, 80, 150, 16},
                "Número de Parcelas:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edNumParcelas, "edNumParcelas", pnCaptura, {154, 76, 30, 24}, {.max = 2, .foco = 23})
        .Rotulo(lbDiasPrimParc, "lbDiasPrimParc", pnCaptura, {0, 120, 150, 16},
                "Dias 1ª Parcela:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edDiasPrimParc, "edDiasPrimParc", pnCaptura, {154, 116, 40, 24}, {.max = 3, .foco = 2631});
    SoDigitos(edNumParcelas);
    SoDigitos(edDiasPrimParc);
    OrdemTab({edValor, edNumParcelas, edDiasPrimParc, btConfirma, btRetorna});
}

void TFrmCpPrivLabel_Parcelado::IniciaCamposForm() {
    TFrmPrivLabel_Trn::IniciaCamposForm();
    lbNumParcelas->setText(Mensagem(2629));
    lbDiasPrimParc->setText(Mensagem(2630));
    edNumParcelas->setText(Campos::Le(CAMPO_QTD_PARCELAS));
    edNumParcelas->setEnabled(edNumParcelas->text().isEmpty());
    edDiasPrimParc->setText(Campos::Le(CAMPO_DIAS_PRIMEIRA_PARCELA_PL));
    edDiasPrimParc->setEnabled(edDiasPrimParc->text().isEmpty());
}

void TFrmCpPrivLabel_Parcelado::SemDiasPrimeiraParcela() {
    edDiasPrimParc->setEnabled(false);
    lbDiasPrimParc->setEnabled(false);
}

void TFrmCpPrivLabel_Parcelado::TeclaAceita(QLineEdit* ed, char tecla) {
    if (ed == edNumParcelas && tecla == 13) edDiasPrimParc->setEnabled(edNumParcelas->text().toInt() > 1);
}

bool TFrmCpPrivLabel_Parcelado::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    if (edNumParcelas->text().toInt() >= 2) return true;
    RecusaEdicao(edNumParcelas, 1177);
    return false;
}

bool TFrmCpPrivLabel_Parcelado::GravaCamposPontal() {
    if (!TFrmTrn_Mod::GravaCamposPontal()) return false;
    const int parcelas = edNumParcelas->text().toInt();
    if (parcelas <= 1) {
        Campos::Limpa(CAMPO_QTD_PARCELAS);
        Campos::Limpa(CAMPO_DIAS_PRIMEIRA_PARCELA_PL);
        return true;
    }
    if (!Campos::Grava(CAMPO_QTD_PARCELAS, QString::number(parcelas))) return false;
    const int dias = edDiasPrimParc->text().toInt();
    if (dias >= 2) return Campos::Grava(CAMPO_DIAS_PRIMEIRA_PARCELA_PL, QString::number(dias));
    Campos::Limpa(CAMPO_DIAS_PRIMEIRA_PARCELA_PL);
    return true;
}
