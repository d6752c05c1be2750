// No-record cancellation of a private-label purchase in instalments
// financed by the administrator.
#pragma once
#include "cancel/Cancvendaparcplsemregistrokora.h"

class TFrmCancVendaParcAdmPL_SemRegLog : public TFrmCancVendaParcPL_SemRegLog {
public:
    static TFrmCancVendaParcAdmPL_SemRegLog* Cria();
    explicit TFrmCancVendaParcAdmPL_SemRegLog(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmCancVendaParcAdmPL_SemRegLog* FrmCancVendaParcAdmPL_SemRegLog;
