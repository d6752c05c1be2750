// The CDC consultation: the issuer-financed plan's data and the card go to
// the acquirer, whose answer is shown and printed through the print form;
// it never completes a sale.
#pragma once
#include "debit/Debitoparcadmkora.h"

class TFrmCon_ParAdm : public TFrmAdm_DebPar {
public:
    static TFrmCon_ParAdm* Cria();
    explicit TFrmCon_ParAdm(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
    void btConfirmaClick() override;
    void btRetornaClick();
    // Empties the card fields and the plan fields this module filled itself.
    void LimpaCamposCDC();

private:
    // The authorization and its ending, once the capture steps went through.
    void Consulta();
};

extern TFrmCon_ParAdm* FrmCon_ParAdm;
// Which caller-given plan fields were empty at the start (so LimpaCamposCDC empties them).
extern bool LimpaNumeroParcelas;
extern bool LimpaValorParcelas;
extern bool LimpaDataParcelas;
