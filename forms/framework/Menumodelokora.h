// Base of every menu: up to eight option buttons and a close button chosen
// by their digit, the activation template (build, enable what the terminal
// allows, pick the only option by itself) and the locking of all buttons
// while a chosen option runs.
#pragma once
#include "Modelokora.h"

#include <QList>

class QFrame;
class QPushButton;
class QTimer;

// Whether a consultation result is to be printed (administrative menus and
// consultation forms set it; the print form reads it).
extern KORA_FORM_API bool ImprimeCupom;
// False at each menu activation; the instalment debit form sets it when the
// host's instalment list is empty.
extern KORA_FORM_API bool ParcelasIntPosVazia;

constexpr int MAX_OPCOES_MENU = 8;

class KORA_FORM_API TFrmMnu_Mod : public TFrmMod {
public:
    explicit TFrmMnu_Mod(QWidget* pai = nullptr);

    // ---- Controls, in declaration order -------------------------------------
    QFrame* pnMenu = nullptr;
    QPushButton* spOpcao1 = nullptr;
    QPushButton* spOpcao2 = nullptr;
    QPushButton* spOpcao3 = nullptr;
    QPushButton* spOpcao4 = nullptr;
    QPushButton* spOpcao5 = nullptr;
    QPushButton* spOpcao6 = nullptr;
    QPushButton* spOpcao7 = nullptr;
    QPushButton* spOpcao8 = nullptr;
    QPushButton* spEncerra = nullptr;
    QTimer* TClick = nullptr;

    // spOpcao1..spOpcao8 by position (1-based); nullptr outside 1..8.
    QPushButton* Opcao(int n) const;

    // The form's tag: what TClickTimer does (0 no option, 1 exactly one).
    int Tag = 0;

    // ---- Virtual steps ----------------------------------------------------------
    // Title, option captions, visible options.
    virtual void IniciaFormularioMenu() = 0;
    // Enables the options the terminal and the point of sale allow.
    virtual void VerificaOpcoesHabilitadas() = 0;
    // Counts the enabled options and arranges the automatic choice.
    virtual void VerificaSomente1Opcao();
    // Locks (false) or unlocks (true) every button around a chosen option.
    virtual void HabilitaDesabilitaBotoes(bool Habilita);

    void FormShow() override;
    void FormActivate() override;

    // ---- Handlers -----------------------------------------------------------------
    void spEncerraClick();
    void TClickTimer();

    // Drops every keystroke still queued for the application.
    static void EmptyKeyQueue();
};

extern KORA_FORM_API TFrmMnu_Mod* FrmMnu_Mod;
