// Card balance query: the model's confirm path with the balance request.
#pragma once
#include "transaction/Trnmodelokora.h"

class TFrmConsultaSaldo_Trn : public TFrmTrn_Mod {
public:
    explicit TFrmConsultaSaldo_Trn(QWidget* parent = nullptr);

    void IniciaCamposForm() override;

    bool GravaCamposPontal() override;
};
