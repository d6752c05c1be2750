// Address verification: the cardholder's taxpayer number and billing
// address go with the card to the acquirer, which says whether they match.
#pragma once
#include "capture/Adcmodelokora.h"

class QLabel;
class QLineEdit;

class TFrmAVS_Adc : public TFrmAdc_Mod {
public:
    static TFrmAVS_Adc* Cria();
    explicit TFrmAVS_Adc(QWidget* pai = nullptr);

    QLabel* lbCPF = nullptr;
    QLineEdit* edCPF = nullptr;
    QLabel* lbEndereco = nullptr;
    QLineEdit* edEndereco = nullptr;
    QLabel* lbNumero = nullptr;
    QLineEdit* edNumero = nullptr;
    QLabel* lbBairro = nullptr;
    QLineEdit* edBairro = nullptr;
    QLabel* lbCep = nullptr;
    QLineEdit* edCep = nullptr;
    QLabel* lbConjApto = nullptr;
    QLineEdit* edConjApto = nullptr;
    QLabel* lbBloco = nullptr;
    QLineEdit* edBloco = nullptr;

    bool GravaCamposPontal() override;
    bool ValidaCamposForm() override;
    void IniciaCamposForm() override;
    void FormShow() override;
    void btConfirmaClick() override;

protected:
    bool FiltraEvento(QObject* obj, QEvent* ev) override;

private:
    // Shows message `mensagem`, then gives the operator `ed` back empty.
    bool Recusa(QLineEdit* ed, int mensagem);
};

extern TFrmAVS_Adc* FrmAVS_Adc;

// Rewrites the zero-terminated text in `buffer` (capacity `capacidade`,
// `tamanho` bytes used) with every CR LF pair turned into one blank; the
// result holds at most 128 characters and is zero-terminated. Its length.
int TrocaCRLFEspaco(char* buffer, int capacidade, int tamanho);
