// No-record cancellation of private-label purchases in instalments: the
// instalment count and the days to the first one, shared by the
// administrator, merchant and choosing forms.
#pragma once
#include "cancel/Cancvendaplsemregistrokora.h"

class TFrmCancVendaParcPL_SemRegLog : public TFrmCancVendaPL_SemRegLog {
public:
    explicit TFrmCancVendaParcPL_SemRegLog(QWidget* parent = nullptr);

    QLabel* lbNumParcelas = nullptr;
    QLineEdit* edNumParcelas = nullptr;
    QLabel* lbDiasPrimParc = nullptr;
    QLineEdit* edDiasPrimParc = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override { return true; }
    bool GravaCamposPontal() override;
    void edNumParcelasEnter();
    // The instalment count typed, 0 when not a number.
    int Parcelas() const;

protected:
    // Whether the days to the first instalment can be typed at all.
    bool bDiasPermitidos = true;
};
