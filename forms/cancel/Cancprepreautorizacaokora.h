// Cancellation form for the cancellation of a pre-authorization.
#pragma once
#include "cancel/Cancpreautorizacaokora.h"

class TFrmPre_PreCnc : public TFrmPre_Cnc {
public:
    static TFrmPre_PreCnc* Cria();
    explicit TFrmPre_PreCnc(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmPre_PreCnc* FrmPre_PreCnc;
