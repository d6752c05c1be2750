// Choice, among the transactions the acquirer lists as cancellable, of the
// kind of sale to cancel when the acquirer holds no record of it.
#pragma once
#include "Servicoc1kora.h"
#include "framework/Modelokora.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class TTeclasCancelamento;

class TFrmSel_Canc : public TFrmMod {
public:
    static TFrmSel_Canc* Cria();
    explicit TFrmSel_Canc(QWidget* parent = nullptr);

    QFrame* pnCaptura = nullptr;
    QLabel* lbTrnCancelamento = nullptr;
    QFrame* pnBotoes = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btRetorna = nullptr;
    QComboBox* cbListaTrnCancelamento = nullptr;

    // True when the operator must choose (two or more entries); a single
    // entry is recorded at once.
    bool DisponibilizaTransacoesCancelamento();
    void IniciaCamposForm();
    bool ValidaCamposForm();
    bool GravaCamposPontal() override;
    bool VerificaCancelamentoProduto();
    void TrataServicoC1();

    void FormCreate() override;
    void FormShow() override;
    void btConfirmaClick();
    void btRetornaClick();

protected:
    bool FiltraEvento(QObject* obj, QEvent* ev) override;

private:
    void Habilita(bool sim);
    TTeclasCancelamento* teclas_ = nullptr;
};

extern TFrmSel_Canc* FrmSel_Canc;

namespace Selecionatipocancelamento {
extern TServicoC1 ServicoC1;
}
