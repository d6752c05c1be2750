// Cancellation of a débito sale.
#pragma once
#include "cancel/Cancelamentotrnkora.h"

class TFrmDeb_Cnc : public TFrmCnc_Trn {
public:
    static TFrmDeb_Cnc* Cria();
    explicit TFrmDeb_Cnc(QWidget* parent = nullptr);

    void FormCreate() override;
    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmDeb_Cnc* FrmDeb_Cnc;
