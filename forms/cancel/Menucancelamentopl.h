// Private-label menus of the cancellation without the acquirer's record:
// invoice payment (cheque or cash), instalments (administrator or merchant)
// and purchase (at sight, instalments, pre-dated).
#pragma once
#include "framework/Menumodelokora.h"

class KORA_FORM_API TFrmCancPFPL_Mnu : public TFrmMnu_Mod {
public:
    static TFrmCancPFPL_Mnu* Cria();
    explicit TFrmCancPFPL_Mnu(QWidget* pai = nullptr);
    void spEncerraClick() override;
};

class KORA_FORM_API TFrmCancParcPL_Mnu : public TFrmMnu_Mod {
public:
    static TFrmCancParcPL_Mnu* Cria();
    explicit TFrmCancParcPL_Mnu(QWidget* pai = nullptr);
    void spEncerraClick() override;
};

class KORA_FORM_API TFrmCancVendaPL_Mnu : public TFrmMnu_Mod {
public:
    static TFrmCancVendaPL_Mnu* Cria();
    explicit TFrmCancVendaPL_Mnu(QWidget* pai = nullptr);
    void spEncerraClick() override;
};

extern KORA_FORM_API TFrmCancPFPL_Mnu* FrmCancPFPL_Mnu;
extern KORA_FORM_API TFrmCancParcPL_Mnu* FrmCancParcPL_Mnu;
extern KORA_FORM_API TFrmCancVendaPL_Mnu* FrmCancVendaPL_Mnu;
