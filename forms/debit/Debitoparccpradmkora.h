// The CDC purchase ("Crediário"): the issuer-financed instalment debit run
// from the debit menu, without withdrawal.
#pragma once
#include "debit/Debitoparcadmkora.h"

class TFrmCpr_ParAdm : public TFrmAdm_DebPar {
public:
    static TFrmCpr_ParAdm* Cria();
    explicit TFrmCpr_ParAdm(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
    // Going back ends the request (and the menu above) with the host's file stored.
    void btRetornaClick();
};

extern TFrmCpr_ParAdm* FrmCpr_ParAdm;
