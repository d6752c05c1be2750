// Confirmation of a pre-authorization in instalments financed by the administrator.
#pragma once
#include "preauth/Confpreparceladakora.h"

class TFrmAdm_CnfPar : public TFrmPar_Cnf {
public:
    static TFrmAdm_CnfPar* Cria();
    explicit TFrmAdm_CnfPar(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmAdm_CnfPar* FrmAdm_CnfPar;
