// The debit sale at sight, with an optional withdrawal.
#pragma once
#include "debit/Debitotrnkora.h"

class TFrmVis_Deb : public TFrmDeb_Trn {
public:
    static TFrmVis_Deb* Cria();
    explicit TFrmVis_Deb(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
    void FormCreate() override;
};

extern TFrmVis_Deb* FrmVis_Deb;
