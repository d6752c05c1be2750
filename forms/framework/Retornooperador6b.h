// The acquirer's free-text return to the operator, several lines delivered
// by the host, with a single return button.
#pragma once
#include "Modelokora.h"

class QFrame;
class QPlainTextEdit;
class QPushButton;

class TFrmRetorno_Opr : public TFrmMod {
public:
    explicit TFrmRetorno_Opr(QWidget* pai = nullptr);
    static TFrmRetorno_Opr* Cria();
    // Shows the host's return lines under `titulo` and frees the form.
    static void Mostra(const QString& titulo);

    QFrame* pnBotoes = nullptr;
    QPushButton* btRetorna = nullptr;
    QPlainTextEdit* MemoRetornoOpr = nullptr;

    void FormCreate() override;
    void FormShow() override;

    void btRetornaClick();
};

extern TFrmRetorno_Opr* FrmRetorno_Opr;
