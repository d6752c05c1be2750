// No-record cancellation of a debit sale at sight: nothing to type, it
// confirms by itself.
#pragma once
#include "cancel/Cancdebitosemregistrokora.h"

class TFrmCancDebVista_SemRegLog : public TFrmCancDeb_SemRegLog {
public:
    static TFrmCancDebVista_SemRegLog* Cria();
    explicit TFrmCancDebVista_SemRegLog(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    bool ValidaCamposForm() override { return true; }

protected:
    AutoConfirma ModoAutoConfirma() const override { return AutoConfirma::Sempre; }
};

extern TFrmCancDebVista_SemRegLog* FrmCancDebVista_SemRegLog;
