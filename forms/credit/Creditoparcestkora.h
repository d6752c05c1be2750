// Credit sale in instalments financed by the merchant: its own maximum
// count and the minimum value of one instalment.
#pragma once
#include "credit/Creditoparceladokora.h"

class TFrmEst_CrdPar : public TFrmPar_Crd {
public:
    static TFrmEst_CrdPar* Cria();
    explicit TFrmEst_CrdPar(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;
    bool ValidaValorMinimoParcelaLoja();
};

extern TFrmEst_CrdPar* FrmEst_CrdPar;
