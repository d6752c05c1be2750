// The balance query as the other-transactions menu opens it: no amount.
#pragma once
#include "other/Consultasaldotrn.h"

class TFrmConsSaldo : public TFrmConsultaSaldo_Trn {
public:
    static TFrmConsSaldo* Cria();
    explicit TFrmConsSaldo(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
};

extern TFrmConsSaldo* FrmConsSaldo;
