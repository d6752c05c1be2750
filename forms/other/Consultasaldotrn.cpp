#include "Consultasaldotrn.h"

#include "Campos.h"
#include "transaction/Descritoreskora.h"

TFrmConsultaSaldo_Trn::TFrmConsultaSaldo_Trn(QWidget* parent) : TFrmTrn_Mod(parent) {}

void TFrmConsultaSaldo_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    pTransacao = &TrnConsultaSaldo;
}

bool TFrmConsultaSaldo_Trn::GravaCamposPontal() {
    return TFrmTrn_Mod::GravaCamposPontal() && Campos::Grava(CAMPO_CODIGO_REQUISICAO, QStringLiteral("42"));
}
