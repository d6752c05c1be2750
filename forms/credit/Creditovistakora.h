// The credit sale at sight: one payment, no instalments.
#pragma once
#include "credit/Creditotrnkora.h"

class TFrmVis_Crd : public TFrmCrd_Trn {
public:
    static TFrmVis_Crd* Cria();
    explicit TFrmVis_Crd(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
    void FormCreate() override;
};

extern TFrmVis_Crd* FrmVis_Crd;
