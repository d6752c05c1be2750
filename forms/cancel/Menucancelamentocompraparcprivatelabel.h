// Private-label instalment menu of the cancellation without the acquirer's
// record: financed by the administrator or by the merchant.
#pragma once
#include "framework/Menumodelokora.h"

class TFrmCancParcPL_Mnu : public TFrmMnu_Mod {
public:
    static TFrmCancParcPL_Mnu* Cria();
    explicit TFrmCancParcPL_Mnu(QWidget* pai = nullptr);
    void spEncerraClick() override;
};

extern TFrmCancParcPL_Mnu* FrmCancParcPL_Mnu;
