// The pre-dated debit ("Bom para"): a debit whose date lies in the future,
// with a guarantee type for the products that ask for one.
#pragma once
#include "debit/Debitotrnkora.h"

class QLabel;
class QLineEdit;

class TFrmPrd_Deb : public TFrmDeb_Trn {
public:
    static TFrmPrd_Deb* Cria();
    explicit TFrmPrd_Deb(QWidget* parent = nullptr);

    QLabel* lbComSemGarantia = nullptr;
    QLineEdit* edTipoGarantia = nullptr;
    QLabel* lbTipoGarantia = nullptr;
    QLabel* lbDataPrd = nullptr;
    QLineEdit* edDataPrd = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;
    void FormCreate() override;

    bool ValidaPreDatado();
    // True when the key was discarded.
    bool edTipoGarantiaKeyPress(char& tecla);
    void edTipoGarantiaEnter();
    void edDataPrdEnter();

protected:
    bool FiltraEvento(QObject* obj, QEvent* ev) override;
};

extern TFrmPrd_Deb* FrmPrd_Deb;
