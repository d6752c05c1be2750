// No-record cancellation of debit sales: at sight, CDC and pre-dated.
#pragma once
#include "cancel/Cancelamentosemregistrologtrn.h"

class TFrmCancDeb_SemRegLog : public TFrmCanc_SemRegLogTrn {
public:
    using TFrmCanc_SemRegLogTrn::TFrmCanc_SemRegLogTrn;
    bool GravaCamposPontal() override;
};

class TFrmCancDebVista_SemRegLog : public TFrmCancDeb_SemRegLog {
public:
    static TFrmCancDebVista_SemRegLog* Cria();
    explicit TFrmCancDebVista_SemRegLog(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    bool ValidaCamposForm() override { return true; }

protected:
    AutoConfirma ModoAutoConfirma() const override { return AutoConfirma::Sempre; }
};

class TFrmCancDebCDC_SemRegLog : public TFrmCancDeb_SemRegLog {
public:
    static TFrmCancDebCDC_SemRegLog* Cria();
    explicit TFrmCancDebCDC_SemRegLog(QWidget* parent = nullptr);

    QLabel* lbNumParcelas = nullptr;
    QLineEdit* edNumParcelas = nullptr;
    QLabel* lbDtPrimeiraParcela = nullptr;
    QLineEdit* edDtPrimeiraParcela = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;
    bool ValidaNumParcelas();
    bool VerificaDataPrimParc();
    void edDtPrimeiraParcelaExit();

protected:
    bool FiltraEvento(QObject* obj, QEvent* ev) override;
};

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

extern TFrmCancDebVista_SemRegLog* FrmCancDebVista_SemRegLog;
extern TFrmCancDebCDC_SemRegLog* FrmCancDebCDC_SemRegLog;
extern TFrmCancDebPre_SemRegLog* FrmCancDebPre_SemRegLog;
