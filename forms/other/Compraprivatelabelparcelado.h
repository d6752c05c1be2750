// Base of the private-label instalment purchases: instalment count and days
// until the first instalment.
#pragma once
#include "other/Privatelabel_trn.h"

class TFrmCpPrivLabel_Parcelado : public TFrmPrivLabel_Trn {
public:
    explicit TFrmCpPrivLabel_Parcelado(QWidget* parent = nullptr);

    QLabel* lbNumParcelas = nullptr;
    QLineEdit* edNumParcelas = nullptr;
    QLabel* lbDiasPrimParc = nullptr;
    QLineEdit* edDiasPrimParc = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;

protected:
    void TeclaAceita(QLineEdit* ed, char tecla) override;
    // The days until the first instalment cannot be given.
    void SemDiasPrimeiraParcela();
};
