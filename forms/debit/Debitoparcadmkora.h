// Instalment debit financed by the card issuer: down payment, first
// instalment's date and value, each as the product allows, within the
// product's limits.
#pragma once
#include "debit/Debitoparceladokora.h"

class TFrmAdm_DebPar : public TFrmPar_Deb {
public:
    static TFrmAdm_DebPar* Cria();
    explicit TFrmAdm_DebPar(QWidget* parent = nullptr);

    QLineEdit* edValorEntrada = nullptr;
    QLabel* lbValorEntrada = nullptr;
    QLineEdit* edDtPrimeiraParcela = nullptr;
    QLabel* lbDtPrimeiraParcela = nullptr;
    QLineEdit* edValorPrimParc = nullptr;
    QLabel* lbValorPrimParc = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;
    void FormCreate() override;

    bool ValidaValorParcelaCDC();
    // 0 accepted, 1 incomplete, invalid or before today, 2 past the product's last day.
    int VerificaDataPrimParc();
    void edValorEntradaEnter();
    void edDtPrimeiraParcelaEnter();
    void edDtPrimeiraParcelaExit();
    void edValorPrimParcEnter();

protected:
    bool FiltraEvento(QObject* obj, QEvent* ev) override;

private:
    QString entradaChamador_;
};

extern TFrmAdm_DebPar* FrmAdm_DebPar;

// Product data for the gallery pictures of the issuer-financed forms.
void ProdutoGaleriaCDC();
