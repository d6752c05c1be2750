// Private-label purchase menu of the cancellation without the acquirer's
// record: at sight, instalments or pre-dated.
#pragma once
#include "framework/Menumodelokora.h"

class TFrmCancVendaPL_Mnu : public TFrmMnu_Mod {
public:
    static TFrmCancVendaPL_Mnu* Cria();
    explicit TFrmCancVendaPL_Mnu(QWidget* pai = nullptr);
    void spEncerraClick() override;
};

extern TFrmCancVendaPL_Mnu* FrmCancVendaPL_Mnu;
