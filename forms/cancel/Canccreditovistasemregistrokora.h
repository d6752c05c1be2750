// No-record cancellation of a credit sale at sight: nothing to type, it
// confirms by itself.
#pragma once
#include "cancel/Canccreditosemregistrokora.h"

class TFrmCancCredVista_SemRegLog : public TFrmCancCred_SemRegLog {
public:
    static TFrmCancCredVista_SemRegLog* Cria();
    explicit TFrmCancCredVista_SemRegLog(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    bool ValidaCamposForm() override { return true; }

protected:
    AutoConfirma ModoAutoConfirma() const override { return AutoConfirma::Sempre; }
};

extern TFrmCancCredVista_SemRegLog* FrmCancCredVista_SemRegLog;
