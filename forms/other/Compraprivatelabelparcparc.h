// Private-label instalment purchase whose financing (administrator or
// merchant) follows from the product.
#pragma once
#include "other/Compraprivatelabelparcelado.h"

class TFrmCpPrivLabel_ParcParc : public TFrmCpPrivLabel_Parcelado {
public:
    static TFrmCpPrivLabel_ParcParc* Cria();
    explicit TFrmCpPrivLabel_ParcParc(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    void btConfirmaClick() override;
};

extern TFrmCpPrivLabel_ParcParc* FrmCpPrivLabel_ParcParc;
