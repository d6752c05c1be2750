// The debit sale menu: at sight, CDC purchase ("Crediário") and pre-dated,
// each as Cliente.ini, the product and the terminal allow.
#pragma once
#include "framework/Menumodelokora.h"

class TFrmDeb_Mnu : public TFrmMnu_Mod {
public:
    static TFrmDeb_Mnu* Cria();
    explicit TFrmDeb_Mnu(QWidget* pai = nullptr);

    void FormCreate() override;
    void FormShow() override;
    void OpcaoClick(int n) override;
    // Ends the request with the host's file stored: the menu closes with 1.
    void spEncerraClick() override;
};

extern TFrmDeb_Mnu* FrmDeb_Mnu;
// False until the menu has been shown; the first option waits for it.
extern bool MostrouForm;
