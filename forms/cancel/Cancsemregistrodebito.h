// No-record cancellation of debit sales: at sight, CDC and pre-dated.
#pragma once
#include "cancel/Cancelamentosemregistrologtrn.h"

class KORA_FORM_API TFrmCancDeb_SemRegLog : public TFrmCanc_SemRegLogTrn {
public:
    using TFrmCanc_SemRegLogTrn::TFrmCanc_SemRegLogTrn;
    bool GravaCamposPontal() override;
};

class KORA_FORM_API TFrmCancDebVista_SemRegLog : public TFrmCancDeb_SemRegLog {
public:
    static TFrmCancDebVista_SemRegLog* Cria();
    explicit TFrmCancDebVista_SemRegLog(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    bool ValidaCamposForm() override { return true; }

protected:
    AutoConfirma ModoAutoConfirma() const override { return AutoConfirma::Sempre; }
};

class KORA_FORM_API TFrmCancDebCDC_SemRegLog : public TFrmCancDeb_SemRegLog {
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
    bool eventFilter(QObject* obj, QEvent* ev) override;
};

class KORA_FORM_API TFrmCancDebPre_SemRegLog : public TFrmCancDeb_SemRegLog {
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

extern KORA_FORM_API TFrmCancDebVista_SemRegLog* FrmCancDebVista_SemRegLog;
extern KORA_FORM_API TFrmCancDebCDC_SemRegLog* FrmCancDebCDC_SemRegLog;
extern KORA_FORM_API TFrmCancDebPre_SemRegLog* FrmCancDebPre_SemRegLog;
