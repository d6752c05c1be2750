// No-record cancellation of a bill payment, a pre-authorization and a
// private-label invoice payment: nothing to type, they confirm by themselves.
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

extern TFrmCancPC_SemRegLog* FrmCancPC_SemRegLog;
extern TFrmCancPreAut_SemRegLog* FrmCancPreAut_SemRegLog;
extern TFrmCancPFPL_SemRegLog* FrmCancPFPL_SemRegLog;
