// The balance query as the other-transactions menu opens it: no amount.
#pragma once
#include "other/Consultasaldotrn.h"

class KORA_API TFrmConsSaldo : public TFrmConsultaSaldo_Trn {
public:
    static TFrmConsSaldo* Cria();
    explicit TFrmConsSaldo(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
};

extern KORA_API TFrmConsSaldo* FrmConsSaldo;
