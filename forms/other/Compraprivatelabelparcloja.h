// Private-label purchase in instalments financed by the merchant.
#pragma once
#include "other/Compraprivatelabelparcelado.h"

class TFrmCpPrivLabel_ParcLoja : public TFrmCpPrivLabel_Parcelado {
public:
    static TFrmCpPrivLabel_ParcLoja* Cria();
    explicit TFrmCpPrivLabel_ParcLoja(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmCpPrivLabel_ParcLoja* FrmCpPrivLabel_ParcLoja;
