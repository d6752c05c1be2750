// No-record cancellation of a private-label invoice payment, by cheque or
// cash (the menu's Tag): nothing to type, it confirms by itself.
#pragma once
#include "cancel/Cancelamentosemregistrologtrn.h"

class TFrmCancPFPL_SemRegLog : public TFrmCanc_SemRegLogTrn {
public:
    static TFrmCancPFPL_SemRegLog* Cria();
    explicit TFrmCancPFPL_SemRegLog(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    bool ValidaCamposForm() override { return true; }
    bool GravaCamposPontal() override;

protected:
    AutoConfirma ModoAutoConfirma() const override { return AutoConfirma::Sempre; }
};

extern TFrmCancPFPL_SemRegLog* FrmCancPFPL_SemRegLog;
