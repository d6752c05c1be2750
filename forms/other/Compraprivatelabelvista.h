// Private-label purchase at sight.
#pragma once
#include "other/Privatelabel_trn.h"

class TFrmCpPrivLabel_Vista : public TFrmPrivLabel_Trn {
public:
    static TFrmCpPrivLabel_Vista* Cria();
    explicit TFrmCpPrivLabel_Vista(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmCpPrivLabel_Vista* FrmCpPrivLabel_Vista;
