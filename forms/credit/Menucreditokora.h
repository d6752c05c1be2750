// The credit sale menu: at sight, instalments financed by the administrator
// or by the merchant, and "Crediário", each as the product, the instalment
// count and the point of sale's switches allow.
#pragma once
#include "framework/Menumodelokora.h"

class TFrmCred_Mnu : public TFrmMnu_Mod {
public:
    static TFrmCred_Mnu* Cria();
    explicit TFrmCred_Mnu(QWidget* pai = nullptr);

    // "Crediário": the plan consultation, then the sale unless the
    // consultation ended the transaction.
    void spOpcao4Click();
    void OpcaoClick(int n) override;
};

extern TFrmCred_Mnu* FrmCred_Mnu;

// The instalment count of field 1017; -1 when absent or not a number.
int ParcelasCredito();
