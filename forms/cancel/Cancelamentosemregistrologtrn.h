// Cancellation of a sale the acquirer holds no record of: the operator
// describes the kind of sale and its terms, confirms, and one request goes
// out in the no-record phase ("4"). The family's forms differ in title,
// inputs and one or two recorded fields.
#pragma once
#include "framework/Modelokora.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class TTeclasCancelamento;

class TFrmCanc_SemRegLogTrn : public TFrmMod {
public:
    explicit TFrmCanc_SemRegLogTrn(QWidget* parent = nullptr);

    QFrame* pnCaptura = nullptr;
    QFrame* pnBotoes = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btRetorna = nullptr;
    QLabel* lbValorCanc = nullptr;
    QLineEdit* edValorCanc = nullptr;
    // Confirms by itself one millisecond after activation, in the forms that do.
    QTimer* TClique = nullptr;
    // The form's controls in tab order.
    QList<QWidget*> Entradas;

    virtual void IniciaCamposForm();
    virtual bool ValidaCamposForm() = 0;
    bool GravaCamposPontal() override;

    void FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    virtual void btConfirmaClick();
    void btRetornaClick();
    void TCliqueTimer();

protected:
    // The confirm path, from the button or the timer, one at a time.
    void Confirma();
    // When TClique is started on activation.
    enum class AutoConfirma { Nunca, Sempre, SemEdicao };
    virtual AutoConfirma ModoAutoConfirma() const { return AutoConfirma::Nunca; }
    // The controls in tab order, first to last.
    void DefineEntradas(const QList<QWidget*>& controles);
    // A digit-only input of a descendant.
    void EdicaoDigitos(QLineEdit* ed);
    void Habilita(bool sim);
    // Warning box, panel enabled again, `ed` cleared and focused (or the
    // first control when it cannot take the focus); false.
    bool Recusa(int mensagem, QLineEdit* ed);
    TTeclasCancelamento* teclas_ = nullptr;
};

// Tag of the no-record menu that opened the form (0 when none did).
template <class M> int TagMenu(M* menu) { return menu ? menu->Tag : 0; }
