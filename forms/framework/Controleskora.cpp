#include "Controleskora.h"

#include "Modelokora.h"

#include "Contextokora.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {
// A panel that paints its own colour: a style sheet would put every control
// in it under the slower sheet style, and a palette grows the style's caches.
class PainelColorido : public QFrame {
public:
    PainelColorido(const QColor& cor, QWidget* pai) : QFrame(pai), cor_(cor) {}

protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter(this).fillRect(rect(), cor_);
        QFrame::paintEvent(e);
    }

private:
    QColor cor_;
};

Qt::Alignment Alinhamento(unsigned estilo) {
    if (estilo & Ctl::Direita) return Qt::AlignRight | Qt::AlignVCenter;
    if (estilo & Ctl::Centro) return Qt::AlignCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}
} // namespace

void AplicaEstiloRotulo(QLabel* rotulo, unsigned estilo) {
    if (estilo & (Ctl::Direita | Ctl::Centro)) rotulo->setAlignment(Alinhamento(estilo));
    if (estilo & Ctl::Quebra) rotulo->setWordWrap(true);
    if (estilo & Ctl::Transparente) rotulo->setAttribute(Qt::WA_TranslucentBackground);
    if (estilo & Ctl::Destaque) {
        QPalette p = rotulo->palette();
        p.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
        rotulo->setPalette(p);
    }
    if (estilo & (Ctl::Negrito | Ctl::Destaque)) {
        QFont f = rotulo->font();
        f.setBold(true);
        rotulo->setFont(f);
    }
}

void TControles::Comum(QWidget* w, const char* nome, QRect g, const Ctl::Opc& o) {
    w->setObjectName(QString::fromLatin1(nome));
    w->setGeometry(g);
    if (o.foco) {
        const int n = o.foco;
        TFrmMod* f = form_;
        f->LigaEntrada(w, [f, n] { f->MostraMensagem(Mensagem(n)); });
    }
    if (o.estilo & Ctl::SemFoco) w->setFocusPolicy(Qt::NoFocus);
    if (o.estilo & Ctl::Oculto) w->setVisible(false);
}

TControles& TControles::Painel(QFrame*& alvo, const char* nome, QWidget* pai, QRect g, unsigned estilo) {
    alvo = (estilo & Ctl::Cinza) ? new PainelColorido(QColor(0xdf, 0xdf, 0xdf), pai) : new QFrame(pai);
    if (estilo & Ctl::Rebaixado)
        alvo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    else if (estilo & Ctl::Elevado)
        alvo->setFrameStyle(QFrame::Panel | QFrame::Raised);
    else
        alvo->setFrameStyle(QFrame::NoFrame);
    Comum(alvo, nome, g, {.estilo = estilo});
    return *this;
}

TControles& TControles::Painel(QFrame*& alvo, const char* nome, QWidget* pai, QRect g, unsigned estilo, QColor fundo) {
    Painel(alvo, nome, pai, g, estilo & ~unsigned(Ctl::Cinza));
    alvo->setAutoFillBackground(true);
    QPalette p = alvo->palette();
    p.setColor(QPalette::Window, fundo);
    alvo->setPalette(p);
    return *this;
}

TControles& TControles::Rotulo(QLabel*& alvo, const char* nome, QWidget* pai, QRect g, const char* texto,
                               unsigned estilo) {
    alvo = new QLabel(QString::fromUtf8(texto), pai);
    AplicaEstiloRotulo(alvo, estilo);
    Comum(alvo, nome, g, {.estilo = estilo});
    return *this;
}

TControles& TControles::Edicao(QLineEdit*& alvo, const char* nome, QWidget* pai, QRect g, Ctl::Opc o) {
    alvo = new QLineEdit(pai);
    if (o.max > 0) alvo->setMaxLength(o.max);
    if (o.estilo & Ctl::SoLeitura) alvo->setReadOnly(true);
    if (o.estilo & (Ctl::Direita | Ctl::Centro)) alvo->setAlignment(Alinhamento(o.estilo));
    Comum(alvo, nome, g, o);
    if (o.valor) form_->LigaEditValor(alvo);
    return *this;
}

TControles& TControles::Mascara(QLineEdit*& alvo, const char* nome, QWidget* pai, QRect g, const char* mascara,
                                Ctl::Opc o) {
    Edicao(alvo, nome, pai, g, o);
    alvo->setInputMask(QString::fromLatin1(mascara));
    return *this;
}

TControles& TControles::Botao(QPushButton*& alvo, const char* nome, QWidget* pai, QRect g, const char* texto,
                              Ctl::Opc o) {
    alvo = new QPushButton(QString::fromUtf8(texto), pai);
    if (o.estilo & Ctl::Padrao) alvo->setAutoDefault(true);
    Comum(alvo, nome, g, o);
    return *this;
}

TControles& TControles::Marca(QCheckBox*& alvo, const char* nome, QWidget* pai, QRect g, const char* texto,
                              Ctl::Opc o) {
    alvo = new QCheckBox(QString::fromUtf8(texto), pai);
    Comum(alvo, nome, g, o);
    return *this;
}

TControles& TControles::Opcao(QRadioButton*& alvo, const char* nome, QWidget* pai, QRect g, const char* texto,
                              Ctl::Opc o) {
    alvo = new QRadioButton(QString::fromUtf8(texto), pai);
    Comum(alvo, nome, g, o);
    return *this;
}

TControles& TControles::Memo(QPlainTextEdit*& alvo, const char* nome, QWidget* pai, QRect g, Ctl::Opc o) {
    alvo = new QPlainTextEdit(pai);
    if (o.estilo & Ctl::SoLeitura) alvo->setReadOnly(true);
    Comum(alvo, nome, g, o);
    return *this;
}

TControles& TControles::Lista(QListWidget*& alvo, const char* nome, QWidget* pai, QRect g, Ctl::Opc o) {
    alvo = new QListWidget(pai);
    Comum(alvo, nome, g, o);
    return *this;
}

TControles& TControles::Combo(QComboBox*& alvo, const char* nome, QWidget* pai, QRect g, Ctl::Opc o) {
    alvo = new QComboBox(pai);
    Comum(alvo, nome, g, o);
    return *this;
}

TControles& TControles::Temporizador(QTimer*& alvo, const char* nome, int intervaloMs) {
    alvo = new QTimer(form_);
    alvo->setObjectName(QString::fromLatin1(nome));
    alvo->setInterval(intervaloMs);
    return *this;
}
