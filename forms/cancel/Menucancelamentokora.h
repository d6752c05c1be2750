// The cancellation menu: credit sale, pre-authorization and pre-authorization
// capture, each behind a level-3 operator check.
#pragma once
#include "framework/Menumodelokora.h"

class TFrmCnc_Mnu : public TFrmMnu_Mod {
public:
    static TFrmCnc_Mnu* Cria();
    explicit TFrmCnc_Mnu(QWidget* pai = nullptr);

    void VerificaOpcoesHabilitadas() override;
    void OpcaoClick(int n) override;
};

extern TFrmCnc_Mnu* FrmCnc_Mnu;
