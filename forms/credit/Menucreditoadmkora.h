// The administrative credit menu: credit instalment consultation and
// address verification.
#pragma once
#include "framework/Menumodelokora.h"

class TFrmCredAdm_Mnu : public TFrmMnu_Mod {
public:
    static TFrmCredAdm_Mnu* Cria();
    explicit TFrmCredAdm_Mnu(QWidget* pai = nullptr);

    void IniciaFormularioMenu() override;
    void OpcaoClick(int n) override;
};

extern TFrmCredAdm_Mnu* FrmCredAdm_Mnu;
