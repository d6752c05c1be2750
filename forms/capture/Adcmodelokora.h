// Model of the consultations that capture extra data and authorize without
// a sale: confirm and cancel buttons, Enter moving between the edits, and a
// confirm path of validation, recording, PIN and authorization.
#pragma once
#include "framework/Modelokora.h"

class QFrame;
class QPushButton;

class TFrmAdc_Mod : public TFrmMod {
public:
    static TFrmAdc_Mod* Cria();
    explicit TFrmAdc_Mod(QWidget* pai = nullptr);

    QFrame* pnCaptura = nullptr;
    QFrame* pnBotoes = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btRetorna = nullptr;

    bool GravaCamposPontal() override;
    virtual bool ValidaCamposForm();
    virtual bool VerificaAutorizaTransacao();
    virtual void IniciaCamposForm();

    void FormCreate() override;
    void FormShow() override;
    virtual void btConfirmaClick();
    void btRetornaClick();
    // Sees every key before the focused control; true when it was swallowed.
    bool FormKeyPress(char& tecla);

    bool PermiteAlterar() const { return bPermiteAlterarDados; }

protected:
    bool FiltraEvento(QObject* obj, QEvent* ev) override;
    void HabilitaControles(bool habilita);

private:
    bool bPermiteAlterarDados = false;
};

extern TFrmAdc_Mod* FrmAdc_Mod;
