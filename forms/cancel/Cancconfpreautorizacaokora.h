// Cancellation form for the cancellation of a pre-authorization's capture.
#pragma once
#include "cancel/Cancpreautorizacaokora.h"

class TFrmCnf_PreCnc : public TFrmPre_Cnc {
public:
    static TFrmCnf_PreCnc* Cria();
    explicit TFrmCnf_PreCnc(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmCnf_PreCnc* FrmCnf_PreCnc;
