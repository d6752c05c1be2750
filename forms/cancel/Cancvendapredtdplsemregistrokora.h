// No-record cancellation of a pre-dated private-label purchase: the days to
// the payment.
#pragma once
#include "cancel/Cancvendaplsemregistrokora.h"

class TFrmCancVendaPreDtdPL_SemRegLog : public TFrmCancVendaPL_SemRegLog {
public:
    static TFrmCancVendaPreDtdPL_SemRegLog* Cria();
    explicit TFrmCancVendaPreDtdPL_SemRegLog(QWidget* parent = nullptr);

    QLabel* lbQtdeDias = nullptr;
    QLineEdit* edQtdeDias = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmCancVendaPreDtdPL_SemRegLog* FrmCancVendaPreDtdPL_SemRegLog;
