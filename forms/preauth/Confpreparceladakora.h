// Confirmation of a pre-authorization as a sale in instalments: the count
// with the host's limits.
#pragma once
#include "preauth/Confpreautorizacaokora.h"

class TFrmPar_Cnf : public TFrmCnf_Pre {
public:
    static TFrmPar_Cnf* Cria();
    explicit TFrmPar_Cnf(QWidget* parent = nullptr);

    QLabel* lbNumParcelas = nullptr;
    QLineEdit* edNumParcelas = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;
    bool ValidaLimiteParcela();

    int MaximoParcelas() const { return iMaxParcelas; }
    int MinimoParcelas() const { return iMinParcelas; }

protected:
    bool FiltraEvento(QObject* obj, QEvent* ev) override;

private:
    int iMaxParcelas = 99;
    int iMinParcelas = 2;
};

extern TFrmPar_Cnf* FrmPar_Cnf;
