// The amount to cancel and, when the acquirer holds no record of the sale,
// its authorization number; in that case confirming also opens the
// cancellation by the kind of sale.
#pragma once
#include "Servicoc1kora.h"
#include "framework/Modelokora.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TTeclasCancelamento;

class TFrmCap_CAut_Vlr : public TFrmMod {
public:
    static TFrmCap_CAut_Vlr* Cria();
    explicit TFrmCap_CAut_Vlr(QWidget* parent = nullptr);

    QFrame* pnCaptura = nullptr;
    QLineEdit* edValorCanc = nullptr;
    QLabel* lbValorCanc = nullptr;
    QLabel* lbCodAutorizacao = nullptr;
    QLineEdit* edCodAutorizacao = nullptr;
    QFrame* pnBotoes = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btRetorna = nullptr;

    void IniciaCamposForm();
    bool ValidaCamposForm();
    bool GravaCamposPontal() override;
    // Index of the entry whose product code is field 10193's; -1 when none.
    int TrataServicoC1();

    void FormCreate() override;
    void FormShow() override;
    void btConfirmaClick();
    void btRetornaClick();

private:
    void Habilita(bool sim);
    TTeclasCancelamento* teclas_ = nullptr;
};

extern TFrmCap_CAut_Vlr* FrmCap_CAut_Vlr;

namespace Capturacodautorizacaovalorcanc {
extern TServicoC1 ServicoC1;
}
