// No-record cancellation of a bill payment: nothing to type, it confirms by
// itself.
#pragma once
#include "cancel/Cancelamentosemregistrologtrn.h"

class TFrmCancPC_SemRegLog : public TFrmCanc_SemRegLogTrn {
public:
    static TFrmCancPC_SemRegLog* Cria();
    explicit TFrmCancPC_SemRegLog(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    bool ValidaCamposForm() override { return true; }

protected:
    AutoConfirma ModoAutoConfirma() const override { return AutoConfirma::Sempre; }
};

extern TFrmCancPC_SemRegLog* FrmCancPC_SemRegLog;
