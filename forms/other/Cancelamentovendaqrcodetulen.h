// Cancellation of a QR-code sale, found by its date and NSU.
#pragma once
#include "other/Trnmodeloqrcodetulen.h"

class TFrmCancVendaQRCode : public TFrmQRCode_Trn {
public:
    static TFrmCancVendaQRCode* Cria();
    explicit TFrmCancVendaQRCode(QWidget* parent = nullptr);

    QLabel* lbDtTransacao = nullptr;
    QLineEdit* edDtTransacao = nullptr;
    QLabel* lbNumDocumento = nullptr;
    QLineEdit* edNumDocumento = nullptr;

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
    void btConfirmaClick() override;
};

extern TFrmCancVendaQRCode* FrmCancVendaQRCode;
