// Private-label invoice payment menu of the cancellation without the
// acquirer's record: cheque or cash, told to the form through the Tag.
#pragma once
#include "framework/Menumodelokora.h"

class TFrmCancPFPL_Mnu : public TFrmMnu_Mod {
public:
    static TFrmCancPFPL_Mnu* Cria();
    explicit TFrmCancPFPL_Mnu(QWidget* pai = nullptr);
    void spEncerraClick() override;
};

extern TFrmCancPFPL_Mnu* FrmCancPFPL_Mnu;
