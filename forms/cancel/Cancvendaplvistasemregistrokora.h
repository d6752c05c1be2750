// No-record cancellation of a private-label purchase at sight.
#pragma once
#include "cancel/Cancvendaplsemregistrokora.h"

class TFrmCancVendaPLVista_SemRegLog : public TFrmCancVendaPL_SemRegLog {
public:
    static TFrmCancVendaPLVista_SemRegLog* Cria();
    explicit TFrmCancVendaPLVista_SemRegLog(QWidget* parent = nullptr);
    void IniciaCamposForm() override;
    bool ValidaCamposForm() override { return true; }
    bool GravaCamposPontal() override;
};

extern TFrmCancVendaPLVista_SemRegLog* FrmCancVendaPLVista_SemRegLog;
