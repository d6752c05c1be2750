// Confirmation of a pre-authorization in instalments financed by the merchant.
#pragma once
#include "preauth/Confpreparceladakora.h"

class TFrmEst_CnfPar : public TFrmPar_Cnf {
public:
    static TFrmEst_CnfPar* Cria();
    explicit TFrmEst_CnfPar(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmEst_CnfPar* FrmEst_CnfPar;
