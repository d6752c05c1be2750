// Credit sale in instalments financed by the card administrator.
#pragma once
#include "credit/Creditoparcadmkora.h"

class TFrmCpr_AdmCrdPar : public TFrmAdm_CrdPar {
public:
    static TFrmCpr_AdmCrdPar* Cria();
    explicit TFrmCpr_AdmCrdPar(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmCpr_AdmCrdPar* FrmCpr_AdmCrdPar;
