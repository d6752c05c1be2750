// Base of the credit sales and consultations in instalments: the count edit
// with its limits and the count recorded in the request. Each member says
// who finances the plan and where its maximum count comes from.
#pragma once
#include "credit/Creditotrnkora.h"

class QLabel;
class QLineEdit;

class TFrmPar_Crd : public TFrmCrd_Trn {
public:
    static TFrmPar_Crd* Cria();
    explicit TFrmPar_Crd(QWidget* parent = nullptr);

    QLabel* lbNumParcelas = nullptr;
    QLineEdit* edNumParcelas = nullptr;
    QLabel* lbValorEntrada = nullptr;
    QLineEdit* edValorEntrada = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;
    bool ValidaLimiteParcela();

    int MaximoParcelas() const { return iMaxParcelas; }
    int MinimoParcelas() const { return iMinParcelas; }

protected:
    bool FiltraEvento(QObject* obj, QEvent* ev) override;
    // The member's maximum: two digits of the product record at `offset`,
    // 99 when they are not a number.
    void DefineMaximoProduto(int offset);

private:
    int iMaxParcelas = 99;
    int iMinParcelas = 2;
};

extern TFrmPar_Crd* FrmPar_Crd;
