// Merchant-financed instalment debit without down payment.
#pragma once
#include "debit/Debitoparclojakora.h"

class TFrmSEnt_ParLoja : public TFrmLoja_DebPar {
public:
    static TFrmSEnt_ParLoja* Cria();
    explicit TFrmSEnt_ParLoja(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
    void CalculaDataPrimeiraParcela();
};

extern TFrmSEnt_ParLoja* FrmSEnt_ParLoja;
