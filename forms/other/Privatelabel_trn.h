// Base of the private-label (store card) purchases: the purchase request.
#pragma once
#include "transaction/Trnmodelokora.h"

class TFrmPrivLabel_Trn : public TFrmTrn_Mod {
public:
    explicit TFrmPrivLabel_Trn(QWidget* parent = nullptr);
    void IniciaCamposForm() override;

protected:
    // Warning box with `mensagem`; `ed` enabled, cleared and focused.
    void RecusaEdicao(QLineEdit* ed, int mensagem);
    // Lets only digits, Backspace and Enter reach `ed`.
    void SoDigitos(QLineEdit* ed);
    bool FiltraEvento(QObject* obj, QEvent* ev) override;
    // Called after a key that reached a digits-only edit was let through.
    virtual void TeclaAceita(QLineEdit*, char) {}

private:
    QList<QLineEdit*> soDigitos_;
};
