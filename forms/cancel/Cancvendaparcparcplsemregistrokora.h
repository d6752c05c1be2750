// No-record cancellation of a private-label purchase in instalments when
// the financing is not yet known: its confirm only chooses the next form.
#pragma once
#include "cancel/Cancvendaparcplsemregistrokora.h"

class TFrmCancVendaParcParcPL_SemRegLog : public TFrmCancVendaParcPL_SemRegLog {
public:
    static TFrmCancVendaParcParcPL_SemRegLog* Cria();
    explicit TFrmCancVendaParcParcPL_SemRegLog(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    // Records the terms and opens the at-sight form or the instalment menu.
    void btConfirmaClick() override;
};

extern TFrmCancVendaParcParcPL_SemRegLog* FrmCancVendaParcParcPL_SemRegLog;
