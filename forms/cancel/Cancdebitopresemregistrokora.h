// No-record cancellation of a pre-dated debit sale: the payment date, which
// must come after the sale.
#pragma once
#include "cancel/Cancdebitosemregistrokora.h"

class TFrmCancDebPre_SemRegLog : public TFrmCancDeb_SemRegLog {
public:
    static TFrmCancDebPre_SemRegLog* Cria();
    explicit TFrmCancDebPre_SemRegLog(QWidget* parent = nullptr);

    QLabel* lbDataPrd = nullptr;
    QLineEdit* edDataPrd = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;
    bool VerificaDataPre();
};

extern TFrmCancDebPre_SemRegLog* FrmCancDebPre_SemRegLog;
