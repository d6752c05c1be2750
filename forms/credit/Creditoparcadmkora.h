// Base of the credit forms whose plan the card administrator finances; it
// adds nothing of its own.
#pragma once
#include "credit/Creditoparceladokora.h"

class TFrmAdm_CrdPar : public TFrmPar_Crd {
public:
    static TFrmAdm_CrdPar* Cria();
    explicit TFrmAdm_CrdPar(QWidget* parent = nullptr);
};

extern TFrmAdm_CrdPar* FrmAdm_CrdPar;
