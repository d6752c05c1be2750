// Private-label pre-dated purchase: the debit goes some days later.
#pragma once
#include "other/Privatelabel_trn.h"

class TFrmPrivLabel_PreDatado : public TFrmPrivLabel_Trn {
public:
    static TFrmPrivLabel_PreDatado* Cria();
    explicit TFrmPrivLabel_PreDatado(QWidget* parent = nullptr);

    QLabel* lbQtdeDias = nullptr;
    QLineEdit* edQtdeDias = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmPrivLabel_PreDatado* FrmPrivLabel_PreDatado;
