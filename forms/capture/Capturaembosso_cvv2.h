// During a cancellation, the proof that the card is at hand: the last four
// embossed digits, checked against the host's card record, and the card
// security code, handed to the host for the request.
#pragma once
#include "Servicoc1kora.h"
#include "framework/Modelokora.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TTeclasCancelamento;

class TFrmCapEmb_CVV2 : public TFrmMod {
public:
    static TFrmCapEmb_CVV2* Cria();
    explicit TFrmCapEmb_CVV2(QWidget* parent = nullptr);

    QFrame* pnCaptura = nullptr;
    QFrame* pnBotoes = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btRetorna = nullptr;
    QLabel* LbEmbosso = nullptr;
    QLineEdit* EdEmbosso = nullptr;
    QLabel* LbCSeg = nullptr;
    QLineEdit* EdCSeg = nullptr;
    QLabel* lbValor = nullptr;
    QLineEdit* edValor = nullptr;

    bool GravaCamposPontal() override;
    void IniciaCamposForm();
    bool ValidaCamposForm();
    // Index of the entry whose product code is field 10193's; -1 when none.
    int TrataServicoC1();

    void FormShow() override;
    void btConfirmaClick();
    void btRetornaClick();

private:
    void Habilita(bool sim);
    TTeclasCancelamento* teclas_ = nullptr;
};

extern TFrmCapEmb_CVV2* FrmCapEmb_CVV2;

namespace Capturaembosso_cvv2 {
extern TServicoC1 ServicoC1;
}
