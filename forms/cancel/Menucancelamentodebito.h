// Debit menu of the cancellation without the acquirer's record: at sight,
// CDC and pre-dated.
#pragma once
#include "debit/Menudebitokora.h"

class TFrmCancDeb_Mnu : public TFrmDeb_Mnu {
public:
    static TFrmCancDeb_Mnu* Cria();
    explicit TFrmCancDeb_Mnu(QWidget* pai = nullptr);

    void IniciaFormularioMenu() override;
    void VerificaOpcoesHabilitadas() override;
    void spEncerraClick() override;
};

extern TFrmCancDeb_Mnu* FrmCancDeb_Mnu;
