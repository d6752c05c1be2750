// Private-label menus of the cancellation without the acquirer's record:
// invoice payment (cheque or cash), instalments (administrator or merchant)
// and purchase (at sight, instalments, pre-dated).
#pragma once
#include "framework/Menumodelokora.h"

class TFrmCancPFPL_Mnu : public TFrmMnu_Mod {
public:
    static TFrmCancPFPL_Mnu* Cria();
    explicit TFrmCancPFPL_Mnu(QWidget* pai = nullptr);
    void spEncerraClick() override;
};

class TFrmCancParcPL_Mnu : public TFrmMnu_Mod {
public:
    static TFrmCancParcPL_Mnu* Cria();
    explicit TFrmCancParcPL_Mnu(QWidget* pai = nullptr);
    void spEncerraClick() override;
};

class TFrmCancVendaPL_Mnu : public TFrmMnu_Mod {
public:
    static TFrmCancVendaPL_Mnu* Cria();
    explicit TFrmCancVendaPL_Mnu(QWidget* pai = nullptr);
    void spEncerraClick() override;
};

extern TFrmCancPFPL_Mnu* FrmCancPFPL_Mnu;
extern TFrmCancParcPL_Mnu* FrmCancParcPL_Mnu;
extern TFrmCancVendaPL_Mnu* FrmCancVendaPL_Mnu;
