// The other-transactions menu: the acquirer's list of further transactions
// (its O service) decides which options are offered; an option lets the
// operator pick the product, identifies the card's acquirer and runs the
// transaction's form.
#pragma once
#include "framework/Menumodelokora.h"

class TFrmOutros_Mnu : public TFrmMnu_Mod {
public:
    static TFrmOutros_Mnu* Cria();
    explicit TFrmOutros_Mnu(QWidget* pai = nullptr);

    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;
    void OpcaoClick(int n) override;

    void DesabilitaProdutos(bool bEncerra);
    static bool VerificaResgatePromocionalHabilitado();
    // Which acquirer serves the card; false ends the option (the reason is
    // in the host's fields).
    bool ConsultaBins();

private:
    // The card read and analysed for the promotional redemption; false ends the option.
    bool PreparaResgatePromocional();
    // Stores the host's file and closes the menu with OK.
    void EncerraMenu();
};

extern TFrmOutros_Mnu* FrmOutros_Mnu;
