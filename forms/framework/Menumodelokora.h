// Base of every menu: up to eight option buttons and a close button chosen
// by their digit, the activation template (build, enable what the terminal
// allows, pick the only option by itself) and the locking of all buttons
// while a chosen option runs.
#pragma once
#include "Contextokora.h"
#include "Modelokora.h"

#include <QList>
#include <functional>
#include <initializer_list>
#include <vector>

class QFrame;
class QPushButton;
class QTimer;

// Whether a consultation result is to be printed (administrative menus and
// consultation forms set it; the print form reads it).
extern bool ImprimeCupom;
// False at each menu activation; the instalment debit form sets it when the
// host's instalment list is empty.
extern bool ParcelasIntPosVazia;

constexpr int MAX_OPCOES_MENU = 8;

class TFrmMnu_Mod;

// A condition of a menu option; empty means always.
using CondicaoMenu = std::function<bool()>;

// One option of a menu written as a table: its caption, when it is enabled
// and the form it runs with the menu as parent.
struct TOpcaoMenu {
    int mensagem = 0;                          // caption "&n - " + this message; 0: `texto`
    const char* texto = nullptr;               // caption without the "&n - " (UTF-8) when there is no message
    const char* nomeForm = "";                 // the form's component name, for message 802
    CondicaoMenu habilitada;                   // checked in order; false disables the option
    std::function<bool(TFrmMnu_Mod*)> executa; // false when the form could not be created
};

// Conditions for TOpcaoMenu::habilitada.
namespace Habilita {
// TransacoesHabilitadasIntPos(pos).
CondicaoMenu IntPos(int pos);
// TransacoesHabilitadas(terminal, pos).
CondicaoMenu Terminal(int terminal, int pos);
// Cliente.ini [secao] chave as a boolean, true when absent.
CondicaoMenu Ini(const char* secao, const char* chave);
// Produto holds "1" at `offset`.
CondicaoMenu Produto(int offset);
// Every condition, in order, stopping at the first false one.
CondicaoMenu Todos(std::initializer_list<CondicaoMenu> condicoes);
} // namespace Habilita

class TFrmMnu_Mod : public TFrmMod {
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

    // ---- The menu's table ----------------------------------------------------------
    // Title message (0 leaves the title), close-button message (0 leaves
    // "&9 - Encerra") and the options, spOpcao1 first.
    int MensagemTitulo = 0;
    int MensagemEncerra = 0;
    std::vector<TOpcaoMenu> Opcoes;

    // ---- Virtual steps ----------------------------------------------------------
    // Title, option captions, visible options; from the table unless overridden.
    virtual void IniciaFormularioMenu();
    // Enables the options the terminal and the point of sale allow; from the
    // table unless overridden.
    virtual void VerificaOpcoesHabilitadas();
    // Counts the enabled options and arranges the automatic choice.
    virtual void VerificaSomente1Opcao();
    // Locks (false) or unlocks (true) every button around a chosen option.
    virtual void HabilitaDesabilitaBotoes(bool Habilita);

    void FormShow() override;
    void FormActivate() override;

    // ---- Handlers -----------------------------------------------------------------
    // Click on spOpcao`n`; runs the table's option unless overridden.
    virtual void OpcaoClick(int n);
    // The common scheme of an option: buttons locked, its form run with the
    // menu as parent (message 802 when it could not be created), buttons
    // unlocked again while the menu stays open.
    void ExecutaOpcao(int n);
    virtual void spEncerraClick();
    void TClickTimer();

    // Drops every keystroke still queued for the application.
    static void EmptyKeyQueue();

protected:
    void hideEvent(QHideEvent* e) override;
};

extern TFrmMnu_Mod* FrmMnu_Mod;

// The `executa` of an option that runs T through its instance variable.
template <class T> std::function<bool(TFrmMnu_Mod*)> RodaForm(T*& var) {
    return [&var](TFrmMnu_Mod* menu) { return CriaExecutaForm<T>(static_cast<QDialog*>(menu), var); };
}
