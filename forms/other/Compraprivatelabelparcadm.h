// Private-label purchase in instalments financed by the administrator.
#pragma once
#include "other/Compraprivatelabelparcelado.h"

class TFrmCpPrivLabel_ParcAdm : public TFrmCpPrivLabel_Parcelado {
public:
    static TFrmCpPrivLabel_ParcAdm* Cria();
    explicit TFrmCpPrivLabel_ParcAdm(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmCpPrivLabel_ParcAdm* FrmCpPrivLabel_ParcAdm;
