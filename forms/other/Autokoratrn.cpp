#include "Autokoratrn.h"

#include "Campos.h"
#include "transaction/Descritoreskora.h"

TFrmAutoKora_Trn::TFrmAutoKora_Trn(QWidget* parent) : TFrmTrn_Mod(parent) {}

void TFrmAutoKora_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    pTransacao = &TrnAutoCapturaEstendida;
}
