// No-record cancellation of a pre-authorization: nothing to type, it
// confirms by itself.
#pragma once
#include "cancel/Cancelamentosemregistrologtrn.h"

class TFrmCancPreAut_SemRegLog : public TFrmCanc_SemRegLogTrn {
public:
    static TFrmCancPreAut_SemRegLog* Cria();
    explicit TFrmCancPreAut_SemRegLog(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    bool ValidaCamposForm() override { return true; }
    bool GravaCamposPontal() override;

protected:
    AutoConfirma ModoAutoConfirma() const override { return AutoConfirma::Sempre; }
};

extern TFrmCancPreAut_SemRegLog* FrmCancPreAut_SemRegLog;
