// No-record cancellation of private-label purchases: at sight, instalments
// financed by the administrator or the merchant, the instalment form that
// only chooses between them, and pre-dated.
#pragma once
#include "cancel/Cancelamentosemregistrologtrn.h"

class TFrmCancVendaPL_SemRegLog : public TFrmCanc_SemRegLogTrn {
public:
    using TFrmCanc_SemRegLogTrn::TFrmCanc_SemRegLogTrn;

protected:
    AutoConfirma ModoAutoConfirma() const override { return AutoConfirma::SemEdicao; }
};

class TFrmCancVendaPLVista_SemRegLog : public TFrmCancVendaPL_SemRegLog {
public:
    static TFrmCancVendaPLVista_SemRegLog* Cria();
    explicit TFrmCancVendaPLVista_SemRegLog(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    bool ValidaCamposForm() override { return true; }
    bool GravaCamposPontal() override;
};

class TFrmCancVendaParcPL_SemRegLog : public TFrmCancVendaPL_SemRegLog {
public:
    explicit TFrmCancVendaParcPL_SemRegLog(QWidget* parent = nullptr);

    QLabel* lbNumParcelas = nullptr;
    QLineEdit* edNumParcelas = nullptr;
    QLabel* lbDiasPrimParc = nullptr;
    QLineEdit* edDiasPrimParc = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override { return true; }
    bool GravaCamposPontal() override;
    void edNumParcelasEnter();
    // The instalment count typed, 0 when not a number.
    int Parcelas() const;

protected:
    // Whether the days to the first instalment can be typed at all.
    bool bDiasPermitidos = true;
};

class TFrmCancVendaParcAdmPL_SemRegLog : public TFrmCancVendaParcPL_SemRegLog {
public:
    static TFrmCancVendaParcAdmPL_SemRegLog* Cria();
    explicit TFrmCancVendaParcAdmPL_SemRegLog(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

class TFrmCancVendaParcLojaPL_SemRegLog : public TFrmCancVendaParcPL_SemRegLog {
public:
    static TFrmCancVendaParcLojaPL_SemRegLog* Cria();
    explicit TFrmCancVendaParcLojaPL_SemRegLog(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

class TFrmCancVendaParcParcPL_SemRegLog : public TFrmCancVendaParcPL_SemRegLog {
public:
    static TFrmCancVendaParcParcPL_SemRegLog* Cria();
    explicit TFrmCancVendaParcParcPL_SemRegLog(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    // Records the terms and opens the at-sight form or the instalment menu.
    void btConfirmaClick() override;
};

class TFrmCancVendaPreDtdPL_SemRegLog : public TFrmCancVendaPL_SemRegLog {
public:
    static TFrmCancVendaPreDtdPL_SemRegLog* Cria();
    explicit TFrmCancVendaPreDtdPL_SemRegLog(QWidget* parent = nullptr);

    QLabel* lbQtdeDias = nullptr;
    QLineEdit* edQtdeDias = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmCancVendaPLVista_SemRegLog* FrmCancVendaPLVista_SemRegLog;
extern TFrmCancVendaParcAdmPL_SemRegLog* FrmCancVendaParcAdmPL_SemRegLog;
extern TFrmCancVendaParcLojaPL_SemRegLog* FrmCancVendaParcLojaPL_SemRegLog;
extern TFrmCancVendaParcParcPL_SemRegLog* FrmCancVendaParcParcPL_SemRegLog;
extern TFrmCancVendaPreDtdPL_SemRegLog* FrmCancVendaPreDtdPL_SemRegLog;
