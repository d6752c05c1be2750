// "Crediário" sale, opened after its simulation: the count the simulation
// recorded is locked.
#pragma once
#include "credit/Creditoparceladokora.h"

class TFrmCred_ParcCrediario : public TFrmPar_Crd {
public:
    static TFrmCred_ParcCrediario* Cria();
    explicit TFrmCred_ParcCrediario(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
};

extern TFrmCred_ParcCrediario* FrmCred_ParcCrediario;
