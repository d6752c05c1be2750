// Merchant-financed instalment debit with down payment ("com entrada").
#pragma once
#include "debit/Debitoparclojakora.h"

class TFrmCEnt_ParLoja : public TFrmLoja_DebPar {
public:
    static TFrmCEnt_ParLoja* Cria();
    explicit TFrmCEnt_ParLoja(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmCEnt_ParLoja* FrmCEnt_ParLoja;
