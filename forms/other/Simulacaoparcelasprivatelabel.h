// Private-label instalment simulation.
#pragma once
#include "other/Compraprivatelabelparcelado.h"

class TFrmCpPrivLabel_SimulParc : public TFrmCpPrivLabel_Parcelado {
public:
    static TFrmCpPrivLabel_SimulParc* Cria();
    explicit TFrmCpPrivLabel_SimulParc(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
};

extern TFrmCpPrivLabel_SimulParc* FrmCpPrivLabel_SimulParc;
