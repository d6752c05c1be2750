// Cancellation of a crédito sale.
#pragma once
#include "cancel/Cancelamentotrnkora.h"

class TFrmCrd_Cnc : public TFrmCnc_Trn {
public:
    static TFrmCrd_Cnc* Cria();
    explicit TFrmCrd_Cnc(QWidget* parent = nullptr);

    void FormCreate() override;
    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmCrd_Cnc* FrmCrd_Cnc;
