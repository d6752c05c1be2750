// Simulation of a "Crediário" plan: the acquirer gives the plan for the
// count, the customer decides whether to print it and to go on to the sale.
#pragma once
#include "credit/Creditoparceladokora.h"

class TFrmCredConsulta_CrediarioCRD : public TFrmPar_Crd {
public:
    static TFrmCredConsulta_CrediarioCRD* Cria();
    explicit TFrmCredConsulta_CrediarioCRD(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
    void btConfirmaClick() override;
    void btRetornaClick();

private:
    void HabilitaBotoes(bool habilita);
};

extern TFrmCredConsulta_CrediarioCRD* FrmCredConsulta_CrediarioCRD;

namespace Creditoconsultacrediariocrd {
// This unit's own key-preview switch: false while the simulation runs.
extern bool bControlaKeyPreview;
} // namespace Creditoconsultacrediariocrd
