// Controls declared as tables: one line per control gives its kind (the
// method), objectName, parent, geometry in the form's 96-dpi pixels and its
// options; the form keeps typed pointers to what was made.
//
//   Controles(this)
//       .Painel(pnCaptura, "pnCaptura", this, {24, 106, 580, 210}, Ctl::Rebaixado | Ctl::Cinza)
//       .Rotulo(lbValor, "lbValor", pnCaptura, {30, 36, 70, 16}, "Valor:", Ctl::Direita | Ctl::Destaque)
//       .Edicao(edValor, "edValor", pnCaptura, {104, 32, 101, 24}, {.max = 12, .foco = 5, .valor = true})
//       .Botao(btConfirma, "btConfirma", pnBotoes, {31, 5, 121, 30}, "&1 - Confirma", {.foco = 44});
//   OrdemTab({edValor, btConfirma, btRetorna});
#pragma once
#include <QColor>
#include <QRect>
#include <QString>
#include <initializer_list>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;
class TFrmMod;

namespace Ctl {
// Looks and behaviours, or-ed together.
enum Estilo : unsigned {
    Nenhum = 0,
    Direita = 1 << 0,       // caption or text aligned right
    Centro = 1 << 1,        // caption or text centred
    Negrito = 1 << 2,       // bold font
    Destaque = 1 << 3,      // bold navy, as the captions of the capture panels
    Quebra = 1 << 4,        // caption wraps
    Oculto = 1 << 5,        // hidden until the form shows it
    SoLeitura = 1 << 6,     // read-only edit or memo
    Rebaixado = 1 << 7,     // panel: lowered bevel
    Elevado = 1 << 8,       // panel: raised bevel
    Cinza = 1 << 9,         // panel: the light grey of the capture panels, painted
    SemFoco = 1 << 10,      // never takes the focus (no tab stop)
    Transparente = 1 << 11, // caption paints no background of its own
    Padrao = 1 << 12,       // button: the default one while it has the focus (Enter clicks it)
};

// Options of an edit, a button, a list or a memo.
struct Opc {
    int max = 0;        // maximum length of an edit (0 = no limit)
    int foco = 0;       // message shown on the message line when it gets the focus (0 = none)
    bool valor = false; // an amount edit: the form's amount formatter and key filter
    unsigned estilo = Nenhum;
};
} // namespace Ctl

class TControles {
public:
    explicit TControles(TFrmMod* form) : form_(form) {}

    TControles& Painel(QFrame*& alvo, const char* nome, QWidget* pai, QRect g, unsigned estilo = Ctl::Nenhum);
    // A panel whose palette carries `fundo`: the controls inside take their
    // outlines from it, as the menus' and the capture dialogs' do.
    TControles& Painel(QFrame*& alvo, const char* nome, QWidget* pai, QRect g, unsigned estilo, QColor fundo);
    TControles& Rotulo(QLabel*& alvo, const char* nome, QWidget* pai, QRect g, const char* texto,
                       unsigned estilo = Ctl::Nenhum);
    TControles& Edicao(QLineEdit*& alvo, const char* nome, QWidget* pai, QRect g, Ctl::Opc o = {});
    // An edit with an input mask ("99/99/9999;_"); a cleared one takes typed digits from its start again.
    TControles& Mascara(QLineEdit*& alvo, const char* nome, QWidget* pai, QRect g, const char* mascara,
                        Ctl::Opc o = {});
    TControles& Botao(QPushButton*& alvo, const char* nome, QWidget* pai, QRect g, const char* texto, Ctl::Opc o = {});
    TControles& Marca(QCheckBox*& alvo, const char* nome, QWidget* pai, QRect g, const char* texto, Ctl::Opc o = {});
    TControles& Opcao(QRadioButton*& alvo, const char* nome, QWidget* pai, QRect g, const char* texto, Ctl::Opc o = {});
    TControles& Memo(QPlainTextEdit*& alvo, const char* nome, QWidget* pai, QRect g, Ctl::Opc o = {});
    TControles& Lista(QListWidget*& alvo, const char* nome, QWidget* pai, QRect g, Ctl::Opc o = {});
    TControles& Combo(QComboBox*& alvo, const char* nome, QWidget* pai, QRect g, Ctl::Opc o = {});
    TControles& Temporizador(QTimer*& alvo, const char* nome, int intervaloMs);

private:
    void Comum(QWidget* w, const char* nome, QRect g, const Ctl::Opc& o);
    TFrmMod* form_;
};

// Builder for the controls of `form`.
inline TControles Controles(TFrmMod* form) { return TControles(form); }

// Gives a caption the look of `estilo` (Direita, Centro, Negrito, Destaque, Quebra).
void AplicaEstiloRotulo(QLabel* rotulo, unsigned estilo);
