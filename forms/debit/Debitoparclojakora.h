// Instalment debit financed by the merchant: interval between instalments
// and closed month, limits from the host, the plan built by the host.
#pragma once
#include "debit/Debitoparceladokora.h"

#include <QDate>

class TFrmLoja_DebPar : public TFrmPar_Deb {
public:
    static TFrmLoja_DebPar* Cria();
    explicit TFrmLoja_DebPar(QWidget* parent = nullptr);

    QLineEdit* edIntervaloParcelas = nullptr;
    QLabel* lbIntervaloParcelas = nullptr;
    QLineEdit* edMesFechado = nullptr;
    QLabel* lbMesFechado = nullptr;
    QLabel* lbSNMesFechado = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;

    bool edMesFechadoKeyPress(char& tecla);
    bool edIntervaloParcelasKeyPress(char& tecla);
    void edIntervaloParcelasEnter();
    void edMesFechadoEnter();
    void edIntervaloParcelasChange();

protected:
    // Computed just before recording; the plan starts there.
    QDate DataPrimeiraParcela;
    bool FiltraTecla(QObject* obj, char& tecla) override;
};

extern TFrmLoja_DebPar* FrmLoja_DebPar;
