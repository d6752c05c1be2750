// Confirmation of a pre-authorization as a sale at sight.
#pragma once
#include "preauth/Confpreautorizacaokora.h"

class TFrmVis_Cnf : public TFrmCnf_Pre {
public:
    static TFrmVis_Cnf* Cria();
    explicit TFrmVis_Cnf(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmVis_Cnf* FrmVis_Cnf;
