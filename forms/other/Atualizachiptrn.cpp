#include "Atualizachiptrn.h"

#include "Campos.h"
#include "transaction/Descritoreskora.h"

TFrmAtualizaChip_Trn::TFrmAtualizaChip_Trn(QWidget* parent) : TFrmTrn_Mod(parent) {}

void TFrmAtualizaChip_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    pTransacao = &TrnAtualizaChip;
}
