// The automatic (extended-capture) transaction the sale entry opens: no amount.
#pragma once
#include "other/Autokoratrn.h"

class TFrmAuto : public TFrmAutoKora_Trn {
public:
    static TFrmAuto* Cria();
    explicit TFrmAuto(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
};

extern TFrmAuto* FrmAuto;
