// The pre-authorization: an amount reserved on a credit card.
#pragma once
#include "preauth/Pretrnkora.h"

class TFrmPre_Pre : public TFrmPre_Trn {
public:
    static TFrmPre_Pre* Cria();
    explicit TFrmPre_Pre(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
};

extern TFrmPre_Pre* FrmPre_Pre;
