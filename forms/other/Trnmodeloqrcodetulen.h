// Common form of the QR-code transactions: while the request is pending a
// timer waits for the acquirer's QR code and shows it on the screen or on the
// pinpad, and the operator may cancel the collection.
#pragma once
#include "transaction/Trnmodelokora.h"

#include <QImage>

class TFrmQRCode_Trn : public TFrmTrn_Mod {
public:
    explicit TFrmQRCode_Trn(QWidget* parent = nullptr);

    QLabel* pbQRCode = nullptr;
    QTimer* TVerificaQRCode = nullptr;
    QLabel* lbMsgOperador = nullptr;
    QPushButton* btnCancLeituraQRCode = nullptr;

    void FormCreate() override;
    void IniciaCamposForm() override;
    void btConfirmaClick() override;

    // Draws the QR code of `texto`.
    void AtualizaForm(const QString& texto);
    void DesabilitaCampos();
    void TVerificaQRCodeTimer();
    void btnCancLeituraQRCodeClick();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    // The cancel button, unless the collection was cancelled once already.
    void OfereceCancelamento();
    void MostraMsgOperador(const QString& texto, int largura);

    QImage qrCode_;
    bool cancelada_ = false;
};
