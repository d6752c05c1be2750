// No-record cancellation of a credit sale in instalments, financed by the
// administrator or the merchant (the menu's Tag).
#pragma once
#include "cancel/Canccreditosemregistrokora.h"

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

extern TFrmCancCredParc_SemRegLog* FrmCancCredParc_SemRegLog;
