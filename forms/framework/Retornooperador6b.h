// The acquirer's free-text return to the operator, several lines delivered
// by the host, with a single return button.
#pragma once
#include "Modelokora.h"

class QFrame;
class QPlainTextEdit;
class QPushButton;

class KORA_FORM_API TFrmRetorno_Opr : public TFrmMod {
public:
    explicit TFrmRetorno_Opr(QWidget* pai = nullptr);
    static TFrmRetorno_Opr* Cria();

    QFrame* pnBotoes = nullptr;
    QPushButton* btRetorna = nullptr;
    QPlainTextEdit* MemoRetornoOpr = nullptr;

    void FormCreate() override;
    void FormShow() override;

    void btRetornaClick();
    void btRetornaEnter();

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;
};

extern KORA_FORM_API TFrmRetorno_Opr* FrmRetorno_Opr;
