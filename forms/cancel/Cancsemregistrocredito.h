// No-record cancellation of credit sales: at sight and in instalments; the
// credit no-record menu tells which through its Tag.
#pragma once
#include "cancel/Cancelamentosemregistrologtrn.h"

class TFrmCancCred_SemRegLog : public TFrmCanc_SemRegLogTrn {
public:
    using TFrmCanc_SemRegLogTrn::TFrmCanc_SemRegLogTrn;
    bool GravaCamposPontal() override;
};

class TFrmCancCredVista_SemRegLog : public TFrmCancCred_SemRegLog {
public:
    static TFrmCancCredVista_SemRegLog* Cria();
    explicit TFrmCancCredVista_SemRegLog(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    bool ValidaCamposForm() override { return true; }

protected:
    AutoConfirma ModoAutoConfirma() const override { return AutoConfirma::Sempre; }
};

class TFrmCancCredParc_SemRegLog : public TFrmCancCred_SemRegLog {
public:
    static TFrmCancCredParc_SemRegLog* Cria();
    explicit TFrmCancCredParc_SemRegLog(QWidget* parent = nullptr);

    QLabel* lbNumParc = nullptr;
    QLineEdit* edNumParc = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;
    bool ValidaNumParcelas();
};

extern TFrmCancCredVista_SemRegLog* FrmCancCredVista_SemRegLog;
extern TFrmCancCredParc_SemRegLog* FrmCancCredParc_SemRegLog;
