// Bill payment by card: the bar code (typed line or scanned code) is checked
// here and sent as a query that returns the amount; then the card is
// identified and the payment authorized through the transaction model.
#pragma once
#include "transaction/Trnmodelokora.h"

class TFrmPagtoConta_Trn : public TFrmTrn_Mod {
public:
    static TFrmPagtoConta_Trn* Cria();
    explicit TFrmPagtoConta_Trn(QWidget* parent = nullptr);

    QLabel* lbDocumento = nullptr;
    QLineEdit* edDocumento = nullptr;

    // The form's tag: 1 bar-code query, 2 payment.
    int Tag = 1;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;
    void btConfirmaClick() override;
    void btRetornaClick();

    bool ConsisteCodigoBarras();
    void CapturaCartao();

protected:
    bool FiltraEvento(QObject* obj, QEvent* ev) override;

private:
    void RecusaCodigo(int mensagem, Plataforma::Icone icone);
};

extern TFrmPagtoConta_Trn* FrmPagtoConta_Trn;
// "0" bar code read by a scanner, "1" typed.
extern QString ModoEntrada;
// Outcome of the card step: 0 none, 1 close, 2 card accepted, 6 refused.
extern int confirmacao;
// The bar-code query's answer.
extern QByteArray ServACB;

// The digit sum of `digitos` from the right with weights alternating between
// 2 and 1, starting with `primeiroPeso`; each product adds its two digits.
int RetornaSoma(const QString& digitos, int primeiroPeso);
// Whether the general check digit (4th character) of a bar code or typed
// line matches its other digits.
bool ValidaCodigoBarrasCompleto(const QString& codigo);
