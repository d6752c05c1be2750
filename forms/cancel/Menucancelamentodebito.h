// Debit menu of the cancellation without the acquirer's record: at sight,
// CDC and pre-dated.
#pragma once
#include "framework/Menumodelokora.h"

class TFrmCancDeb_Mnu : public TFrmMnu_Mod {
public:
    static TFrmCancDeb_Mnu* Cria();
    explicit TFrmCancDeb_Mnu(QWidget* pai = nullptr);

    void spEncerraClick() override;
};

extern TFrmCancDeb_Mnu* FrmCancDeb_Mnu;
