// Base of the pre-authorization and of its confirmation: a transaction with
// the service and boarding fees, sent under the pre-authorization's own
// transaction-type code.
#pragma once
#include "transaction/Trnmodelokora.h"

class QLabel;
class QLineEdit;

class TFrmPre_Trn : public TFrmTrn_Mod {
public:
    static TFrmPre_Trn* Cria();
    explicit TFrmPre_Trn(QWidget* parent = nullptr);

    QLabel* lbTaxaEmbarque = nullptr;
    QLineEdit* edTaxaEmbarque = nullptr;
    QLabel* lbTaxaServico = nullptr;
    QLineEdit* edTaxaServico = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;
    void btConfirmaClick() override;
    void btRetornaClick();
    void edTaxaServicoEnter();
    void edTaxaEmbarqueEnter();

    double TaxaServicoProduto() const { return dTaxaServicoProduto; }

private:
    double dTaxaServicoProduto = 0;
};

extern TFrmPre_Trn* FrmPre_Trn;
