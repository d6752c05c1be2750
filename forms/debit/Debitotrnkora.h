// Base of every debit sale: the withdrawal amount ("Saque"), the issuer's
// name, the debit request and the recording of the withdrawal before the
// model's confirm path.
#pragma once
#include "transaction/Trnmodelokora.h"

class QLabel;
class QLineEdit;

class TFrmDeb_Trn : public TFrmTrn_Mod {
public:
    static TFrmDeb_Trn* Cria();
    explicit TFrmDeb_Trn(QWidget* parent = nullptr);

    QLabel* lbValorSaque = nullptr;
    QLabel* lbNomeIssuer = nullptr;
    QLineEdit* edValorSaque = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    void btConfirmaClick() override;
};

extern TFrmDeb_Trn* FrmDeb_Trn;

void AjustaRotuloDireita(QLabel* rotulo, int larguraMinima);
