// Promotional redemption, confirmation step: confirms the approved query and
// keeps the values the acquirer returns for the receipt.
#pragma once
#include "transaction/Trnmodelokora.h"

class TFrmConfResgateProm : public TFrmTrn_Mod {
public:
    static TFrmConfResgateProm* Cria();
    explicit TFrmConfResgateProm(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
    void VerificaGravaCamposTrnAprovada() override;
    void btConfirmaClick() override;
};

extern TFrmConfResgateProm* FrmConfResgateProm;

// The value that follows `chave` up to the next "," in a "k=v,k=v" list,
// the key matching a whole item's start only; empty when absent.
QString ValorChave(const QString& lista, const QString& chave);
