// Automatic transaction: the model's confirm path with the extended-capture request.
#pragma once
#include "transaction/Trnmodelokora.h"

class TFrmAutoKora_Trn : public TFrmTrn_Mod {
public:
    explicit TFrmAutoKora_Trn(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
};
