#include "cancel/Teclascancelamento.h"

#include "bromo.h"
#include "framework/Modelokora.h"
#include "transaction/Trnmodelokora.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {
bool Digito(char c) { return c >= '0' && c <= '9'; }
} // namespace

QString TextoValor(const QString& digitos) {
    const QString d = RemoveFormato(digitos);
    return d.isEmpty() ? QString() : Dollar(d);
}

void FocaPrimeiro(const QList<QWidget*>& controles) {
    for (QWidget* w : controles) {
        if (w && w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

TTeclasCancelamento::TTeclasCancelamento(TFrmMod* form, bool& preview)
    : QObject(form), form_(form), preview_(preview) {}

void TTeclasCancelamento::Edicao(QLineEdit* ed, Tipo tipo) {
    edicoes_.insert(ed, tipo);
    if (tipo == Valor) QObject::connect(ed, &QLineEdit::textChanged, this, [this, ed] { Formata(ed); });
}

void TTeclasCancelamento::AoEnter(QLineEdit* ed, std::function<bool()> acao) { enter_.insert(ed, std::move(acao)); }

void TTeclasCancelamento::Instala() {
    for (QWidget* w : form_->findChildren<QWidget*>()) {
        w->removeEventFilter(this);
        w->installEventFilter(this);
    }
}

void TTeclasCancelamento::Formata(QLineEdit* ed) {
    if (formatando_ || ed->text().isEmpty()) return;
    formatando_ = true;
    const QString f = Dollar(RemoveFormato(ed->text()));
    if (f != ed->text()) ed->setText(f);
    ed->setCursorPosition(int(ed->text().size()));
    formatando_ = false;
}

bool TTeclasCancelamento::eventFilter(QObject* obj, QEvent* ev) {
    if (ev->type() != QEvent::KeyPress || repassando_) return false;
    // The keys' effects run inside the form's exception boundary.
    bool engolida = false;
    form_->Protege([&] { engolida = Filtra(obj, ev); });
    return engolida;
}

bool TTeclasCancelamento::Filtra(QObject* obj, QEvent* ev) {
    auto* k = static_cast<QKeyEvent*>(ev);
    char c = CaractereTecla(k);
    if (c == 0) return false;
    auto* ed = qobject_cast<QLineEdit*>(obj);
    const Tipo tipo = ed ? edicoes_.value(ed, Livre) : Livre;
    const char original = c;
    if (tipo == Digitos || tipo == Valor) {
        c = ValKeyBoard(c);
        const bool aceita = c == 8 || c == 13 || Digito(c) || (tipo == Valor && (c == ',' || c == '.'));
        if (!aceita) return true;
        if (tipo == Valor && (c == ',' || c == '.')) {
            const QChar sep = SeparadorDecimal();
            if (ed->text().contains(sep)) return true;
            c = char(sep.toLatin1());
        }
    }
    if (c == 13) {
        if (ed && enter_.contains(ed) && enter_.value(ed)()) return true;
        const bool seguir = preview_ && !qobject_cast<QPushButton*>(form_->focusWidget());
        preview_ = true;
        if (seguir) {
            const QList<QWidget*> ordem = form_->ControlesTabOrder();
            if (!ordem.isEmpty())
                ordem.at((ordem.indexOf(form_->focusWidget()) + 1) % ordem.size())->setFocus(Qt::TabFocusReason);
            return true;
        }
        // Enter reaches no default button while the preview is off.
        return ed != nullptr;
    }
    preview_ = true;
    if (c != original) {
        QKeyEvent novo(QEvent::KeyPress, k->key(), k->modifiers(), QString(QChar(uchar(c))));
        repassando_ = true;
        QCoreApplication::sendEvent(obj, &novo);
        repassando_ = false;
        return true;
    }
    return false;
}
