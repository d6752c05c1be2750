// Promotional redemption, query step: the card is checked, the query sent,
// and an approved query goes on to its confirmation form.
#pragma once
#include "transaction/Trnmodelokora.h"

class TFrmResgateProm : public TFrmTrn_Mod {
public:
    static TFrmResgateProm* Cria();
    explicit TFrmResgateProm(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
    void btConfirmaClick() override;

private:
    // Ends the query: the host's file is written and the form closes with 1.
    void Termina();
};

extern TFrmResgateProm* FrmResgateProm;
