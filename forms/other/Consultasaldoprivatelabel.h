// Private-label card balance query: no amount.
#pragma once
#include "other/Privatelabel_trn.h"

class TFrmPrivLabel_ConsSaldo : public TFrmPrivLabel_Trn {
public:
    static TFrmPrivLabel_ConsSaldo* Cria();
    explicit TFrmPrivLabel_ConsSaldo(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
};

extern TFrmPrivLabel_ConsSaldo* FrmPrivLabel_ConsSaldo;
