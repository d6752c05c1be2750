// Payment of a private-label card's invoice.
#pragma once
#include "transaction/Trnmodelokora.h"

class TFrmPagtoFatura_Trn : public TFrmTrn_Mod {
public:
    static TFrmPagtoFatura_Trn* Cria();
    explicit TFrmPagtoFatura_Trn(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    void btConfirmaClick() override;
};

extern TFrmPagtoFatura_Trn* FrmPagtoFatura_Trn;
