// No-record cancellation of a private-label purchase in instalments
// financed by the merchant.
#pragma once
#include "cancel/Cancvendaparcplsemregistrokora.h"

class TFrmCancVendaParcLojaPL_SemRegLog : public TFrmCancVendaParcPL_SemRegLog {
public:
    static TFrmCancVendaParcLojaPL_SemRegLog* Cria();
    explicit TFrmCancVendaParcLojaPL_SemRegLog(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmCancVendaParcLojaPL_SemRegLog* FrmCancVendaParcLojaPL_SemRegLog;
