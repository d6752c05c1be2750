// Base of every credit sale: the service and boarding fees of restaurant and
// travel sales, the product's service-fee rule and the credit request.
#pragma once
#include "transaction/Trnmodelokora.h"

class QLabel;
class QLineEdit;

class TFrmCrd_Trn : public TFrmTrn_Mod {
public:
    static TFrmCrd_Trn* Cria();
    explicit TFrmCrd_Trn(QWidget* parent = nullptr);

    QLineEdit* edTaxaServico = nullptr;
    QLabel* lbTaxaServico = nullptr;
    QLabel* lbTaxaEmbarque = nullptr;
    QLineEdit* edTaxaEmbarque = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;
    void btConfirmaClick() override;

    double TaxaServicoProduto() const { return dTaxaServicoProduto; }

private:
    double dTaxaServicoProduto = 0;
};

extern TFrmCrd_Trn* FrmCrd_Trn;
