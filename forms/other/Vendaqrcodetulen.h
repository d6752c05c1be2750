// QR-code sale: the customer pays with a phone app that reads the code.
#pragma once
#include "other/Trnmodeloqrcodetulen.h"

class TFrmVendaQRCode : public TFrmQRCode_Trn {
public:
    static TFrmVendaQRCode* Cria();
    explicit TFrmVendaQRCode(QWidget* parent = nullptr);

    void IniciaCamposForm() override;
    bool GravaCamposPontal() override;
};

extern TFrmVendaQRCode* FrmVendaQRCode;
