// Fee collection: the service and boarding fees of a debit sale, recorded
// before the debit form that carries out the sale is opened as a child.
#pragma once
#include "framework/Modelokora.h"

#include <QList>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TFrmColeta_Taxas : public TFrmMod {
public:
    static TFrmColeta_Taxas* Cria();
    explicit TFrmColeta_Taxas(QWidget* pai = nullptr);

    QFrame* pnCaptura = nullptr;
    QLabel* lbValor = nullptr;
    QLineEdit* edValor = nullptr;
    QLabel* lbTaxaEmbarque = nullptr;
    QLineEdit* edTaxaEmbarque = nullptr;
    QLabel* lbTaxaServico = nullptr;
    QLineEdit* edTaxaServico = nullptr;
    QFrame* pnBotoes = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btRetorna = nullptr;

    void IniciaCamposForm();
    bool ValidaCamposForm();
    bool GravaCamposPontal() override;

    void FormCreate() override;
    void FormShow() override;
    void btConfirmaClick();
    void btRetornaClick();
    // True when the key was swallowed.
    bool FormKeyPress(char tecla);
    // True when the key was handled here (discarded or typed as the separator).
    bool edValorKeyPress(QLineEdit* ed, char tecla);
    void edValorChange(QLineEdit* ed);
    void LigaEditValor(QLineEdit* ed) override;

protected:
    bool FiltraEvento(QObject* obj, QEvent* ev) override;

private:
    void Habilita(bool habilita);
    double taxaServicoProduto_ = 0;
    bool formatando_ = false;
    QList<QLineEdit*> editsValor_;
};

extern TFrmColeta_Taxas* FrmColeta_Taxas;
