// No-record cancellation of a CDC debit sale: instalments and the date of
// the first one, which may not precede the sale.
#pragma once
#include "cancel/Cancdebitosemregistrokora.h"

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

extern TFrmCancDebCDC_SemRegLog* FrmCancDebCDC_SemRegLog;
