// Private-label purchase menu: at sight, in instalments or pre-dated, as the
// product allows.
#pragma once
#include "framework/Menumodelokora.h"

class TFrmCpPL_Mnu : public TFrmMnu_Mod {
public:
    static TFrmCpPL_Mnu* Cria();
    explicit TFrmCpPL_Mnu(QWidget* pai = nullptr);
};

extern TFrmCpPL_Mnu* FrmCpPL_Mnu;
