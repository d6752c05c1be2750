// Menu of the pre-authorization and of its three kinds of capture.
#pragma once
#include "framework/Menumodelokora.h"

class TFrmPreAut_Mnu : public TFrmMnu_Mod {
public:
    static TFrmPreAut_Mnu* Cria();
    explicit TFrmPreAut_Mnu(QWidget* pai = nullptr);

    // The chosen form runs with the other options left as they are.
    void OpcaoClick(int n) override;
};

extern TFrmPreAut_Mnu* FrmPreAut_Mnu;
