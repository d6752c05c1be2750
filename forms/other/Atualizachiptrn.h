// Chip update: the model's confirm path with the chip-update request.
#pragma once
#include "transaction/Trnmodelokora.h"

class TFrmAtualizaChip_Trn : public TFrmTrn_Mod {
public:
    explicit TFrmAtualizaChip_Trn(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
};
