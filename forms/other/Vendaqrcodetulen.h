// QR-code sale: the customer pays with a phone app that reads the code.
#pragma once
#include "other/Trnmodeloqrcodetulen.h"

class KORA_API TFrmVendaQRCode : public TFrmQRCode_Trn {
public:
    static TFrmVendaQRCode* Cria();
    explicit TFrmVendaQRCode(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern KORA_API TFrmVendaQRCode* FrmVendaQRCode;
