// The chip update as the other-transactions menu opens it: no amount.
#pragma once
#include "other/Atualizachiptrn.h"

class TFrmFrmAtualizaChip : public TFrmAtualizaChip_Trn {
public:
    static TFrmFrmAtualizaChip* Cria();
    explicit TFrmFrmAtualizaChip(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
};

extern TFrmFrmAtualizaChip* FrmFrmAtualizaChip;
