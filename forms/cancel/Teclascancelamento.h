// Keyboard rules of the cancellation dialogs that do not derive from the
// transaction form: the key preview (Enter moves to the next control while
// the form's flag is set, and every key sets it again), digit-only edits and
// amount edits that keep their text formatted.
#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <QObject>
#include <functional>

class QLineEdit;
class QWidget;
class TFrmMod;

// Focus on the first of `controles` that can take it: a form's focus chain
// may start elsewhere than its tab order.
void FocaPrimeiro(const QList<QWidget*>& controles);

// An amount of the field store as shown on screen; empty when the field is.
QString TextoValor(const QString& digitos);

class TTeclasCancelamento : public QObject {
public:
    enum Tipo { Livre, Digitos, Valor };

    // `preview` is the form's key-preview flag.
    TTeclasCancelamento(TFrmMod* form, bool& preview);

    void Edicao(QLineEdit* ed, Tipo tipo);
    // Runs before the preview rule on Enter in `ed`; true swallows the key.
    void AoEnter(QLineEdit* ed, std::function<bool()> acao);
    // Watches every control of the form; called when the form is shown.
    void Instala();

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    bool Filtra(QObject* obj, QEvent* ev);
    void Formata(QLineEdit* ed);
    TFrmMod* form_;
    bool& preview_;
    QHash<QLineEdit*, Tipo> edicoes_;
    QHash<QLineEdit*, std::function<bool()>> enter_;
    bool formatando_ = false;
    bool repassando_ = false;
};
