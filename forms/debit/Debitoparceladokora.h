// Base of the instalment debits: the instalment count and its limits.
#pragma once
#include "debit/Debitotrnkora.h"

#include <QList>

class QLabel;
class QLineEdit;

class TFrmPar_Deb : public TFrmDeb_Trn {
public:
    static TFrmPar_Deb* Cria();
    explicit TFrmPar_Deb(QWidget* parent = nullptr);

    QLabel* lbNumParcelas = nullptr;
    QLineEdit* edNumParcelas = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;

    bool ValidaLimiteParcela();
    void edNumParcelasEnter();
    // True when the key was discarded.
    bool edNumParcelasKeyPress(char& tecla);

protected:
    int MinimoParcelas = 2;
    int MaximoParcelas = 99;

    // Edits whose keys go through FiltraTecla.
    QList<QObject*> EditsFiltrados;
    // The key filters of the family's edits, after the form's own key
    // preview; true discards the key.
    virtual bool FiltraTecla(QObject* obj, char& tecla);
    bool FiltraEvento(QObject* obj, QEvent* ev) override;
    // Message box `mensagem`; then `ed` (with the capture panel) enabled,
    // emptied and focused.
    void RecusaEdicao(int mensagem, QLineEdit* ed);
};

extern TFrmPar_Deb* FrmPar_Deb;
