// Consultation of an administrator-financed instalment plan: the acquirer's
// plan for the amount and count is shown and printed, nothing is sold.
#pragma once
#include "credit/Creditoparcadmkora.h"

class TFrmCon_AdmCrdPar : public TFrmAdm_CrdPar {
public:
    static TFrmCon_AdmCrdPar* Cria();
    explicit TFrmCon_AdmCrdPar(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    void btConfirmaClick() override;
};

extern TFrmCon_AdmCrdPar* FrmCon_AdmCrdPar;
