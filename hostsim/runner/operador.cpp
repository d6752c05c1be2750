#include "operador.h"

#include "hostlib.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <unistd.h>

namespace hostsim::runner {
namespace {

constexpr int kEsperaPadraoMs = 5000;
constexpr int kTiqueMs = 10;

QString NomeIcone(QMessageBox::Icon i) {
    switch (i) {
    case QMessageBox::Information: return "information";
    case QMessageBox::Warning: return "warning";
    case QMessageBox::Question: return "question";
    case QMessageBox::Critical: return "error";
    default: return "none";
    }
}

const QList<QPair<QMessageBox::StandardButton, const char*>>& NomesBotoes() {
    static const QList<QPair<QMessageBox::StandardButton, const char*>> n = {
        {QMessageBox::Ok, "ok"},         {QMessageBox::Yes, "yes"},     {QMessageBox::No, "no"},
        {QMessageBox::Cancel, "cancel"}, {QMessageBox::Abort, "abort"}, {QMessageBox::Retry, "retry"},
        {QMessageBox::Ignore, "ignore"}, {QMessageBox::Close, "close"}};
    return n;
}

// "ok", "yesno", "okcancel", "yesnocancel", "abortretryignore"...
QString NomeBotoes(QMessageBox::StandardButtons b) {
    QString s;
    for (const auto& [botao, nome] : NomesBotoes())
        if (b & botao) s += nome;
    return s.isEmpty() ? QStringLiteral("none") : s;
}

QString NomeResposta(QMessageBox* mb) {
    QAbstractButton* b = mb->clickedButton();
    if (!b) return "none";
    const QMessageBox::StandardButton sb = mb->standardButton(b);
    for (const auto& [botao, nome] : NomesBotoes())
        if (sb == botao) return nome;
    return b->text();
}

QString Descreve(const QJsonObject& a) { return QString::fromUtf8(QJsonDocument(a).toJson(QJsonDocument::Compact)); }

// A value as JSON text, quotes and escapes included.
QString Citado(const QJsonValue& v) {
    const QString lista = QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact));
    return lista.mid(1, lista.size() - 2);
}

struct Tecla {
    int codigo = 0;
    QString texto;
};

Tecla TeclaDeCaractere(QChar c) {
    if (c == QChar(0xFF)) return {Qt::Key_ydiaeresis, QString(c)};
    return {int(c.toUpper().unicode()), QString(c)};
}

Tecla TeclaDeNome(const QString& nome) {
    if (nome == "Enter") return {Qt::Key_Return, "\r"};
    if (nome == "Escape") return {Qt::Key_Escape, QString(QChar(27))};
    if (nome == "Tab") return {Qt::Key_Tab, "\t"};
    if (nome == "Backspace") return {Qt::Key_Backspace, QString(QChar(8))};
    if (nome == "Up") return {Qt::Key_Up, {}};
    if (nome == "Down") return {Qt::Key_Down, {}};
    if (nome.size() >= 2 && nome[0] == 'F') return {Qt::Key_F1 + nome.mid(1).toInt() - 1, {}};
    return TeclaDeCaractere(nome[0]);
}

// Press and release, as the keyboard gives them: a key the control ignores
// goes on to its parents and to the dialog's default button.
void EnviaTecla(QWidget* alvo, const Tecla& t) {
    QPointer<QWidget> w(alvo);
    QKeyEvent p(QEvent::KeyPress, t.codigo, Qt::NoModifier, t.texto);
    QApplication::sendEvent(alvo, &p);
    if (!w) return;
    QKeyEvent s(QEvent::KeyRelease, t.codigo, Qt::NoModifier, t.texto);
    QApplication::sendEvent(w, &s);
}

// A left click at `ponto` of `alvo`, giving it the focus first as a real click does.
void Clica(QWidget* alvo, QPoint ponto) {
    QPointer<QWidget> w(alvo);
    QWidget* foco = alvo->focusProxy() ? alvo->focusProxy() : alvo;
    if (foco->focusPolicy() & Qt::ClickFocus) foco->setFocus(Qt::MouseFocusReason);
    const QPointF local(ponto), global(alvo->mapToGlobal(ponto));
    QMouseEvent p(QEvent::MouseButtonPress, local, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(alvo, &p);
    if (!w) return;
    QMouseEvent s(QEvent::MouseButtonRelease, local, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &s);
}

// A caption as the operator reads it: "&&" is an ampersand, "&x" underlines x.
QString SemAceleradores(const QString& s) {
    QString r;
    r.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == '&' && ++i >= s.size()) break;
        r += s[i];
    }
    return r;
}

QStringList Itens(QWidget* c) {
    QStringList r;
    if (auto* cb = qobject_cast<QComboBox*>(c))
        for (int i = 0; i < cb->count(); ++i) r << cb->itemText(i);
    if (auto* v = qobject_cast<QAbstractItemView*>(c); v && v->model())
        for (int i = 0; i < v->model()->rowCount(v->rootIndex()); ++i)
            r << v->model()->index(i, 0, v->rootIndex()).data().toString();
    return r;
}

// The text a control shows, as the expect action compares it.
QString TextoDe(QWidget* c) {
    if (auto* l = qobject_cast<QLabel*>(c)) return SemAceleradores(l->text());
    if (auto* b = qobject_cast<QAbstractButton*>(c)) return SemAceleradores(b->text());
    if (auto* e = qobject_cast<QLineEdit*>(c)) return e->text();
    if (auto* m = qobject_cast<QPlainTextEdit*>(c)) return m->toPlainText();
    if (auto* m = qobject_cast<QTextEdit*>(c)) return m->toPlainText();
    if (auto* cb = qobject_cast<QComboBox*>(c)) return cb->currentText();
    if (qobject_cast<QAbstractItemView*>(c)) return Itens(c).join('\n');
    if (auto* g = qobject_cast<QGroupBox*>(c)) return SemAceleradores(g->title());
    return c->property("text").toString();
}

} // namespace

Operador::Operador(const QString& shots, int batimento, int vigiaSegundos)
    : shots_(shots), batimento_(batimento), vigiaMs_(vigiaSegundos * 1000) {
    qApp->installEventFilter(this);
    connect(&relogio_, &QTimer::timeout, this, [this] { Tique(); });
    relogio_.start(kTiqueMs);
    desdeBatimento_.start();
    ocioso_.start();
    inicioAcao_.start();
    progresso_.start();
}

Operador::~Operador() {
    if (qApp) qApp->removeEventFilter(this);
}

void Operador::Passo(const QString& nome, const QJsonArray& acoes) {
    passo_ = nome;
    acoes_ = acoes;
    atual_ = 0;
    pendente_ = false;
    motivo_.clear();
    formsDesde_ = int(forms.size());
    inicioAcao_.start();
    ocioso_.start();
    progresso_.start();
    emChamada_ = true;
}

void Operador::FimDoPasso() {
    emChamada_ = false;
    // A form that came and went before the timer could look is still met,
    // and a closed form is what expectClosed waits for.
    for (; atual_ < acoes_.size(); ++atual_) {
        const QJsonObject a = acoes_[atual_].toObject();
        if (!a.contains("expectClosed") && !(a.contains("form") && Tenta(a))) break;
    }
    if (atual_ < acoes_.size())
        Falha(QStringLiteral("the call returned with %1 operator action(s) not played, the first being #%2 %3")
                  .arg(acoes_.size() - atual_)
                  .arg(atual_)
                  .arg(Descreve(acoes_[atual_].toObject())));
    acoes_ = {};
    atual_ = 0;
}

void Operador::Falha(const QString& porque) {
    if (falha.isEmpty()) falha = passo_ + ": " + porque;
}

void Operador::Descarta() {
    for (qsizetype i = abertos_.size(); i-- > 0;)
        if (!abertos_[i].dialogo) abertos_.removeAt(i);
}

bool Operador::FormAberto() const {
    for (const Aberto& a : abertos_)
        if (a.dialogo && !a.caixa) return true;
    return false;
}

void Operador::FechaTudo() {
    // The newest first: closing an outer form could not end an inner modal loop.
    QList<Aberto> copia = abertos_;
    for (qsizetype i = copia.size(); i-- > 0;) {
        QDialog* d = copia[i].dialogo;
        if (!d || !d->isVisible()) continue;
        if (auto* mb = qobject_cast<QMessageBox*>(d)) {
            QAbstractButton* b = mb->escapeButton();
            if (!b) b = mb->button(QMessageBox::Cancel);
            if (!b) b = mb->button(QMessageBox::No);
            if (!b) b = mb->button(QMessageBox::Ok);
            if (b)
                b->click();
            else
                mb->done(QMessageBox::Cancel);
        } else {
            d->done(2); // the operator's "return"
        }
    }
}

bool Operador::eventFilter(QObject* o, QEvent* e) {
    if ((e->type() != QEvent::Show && e->type() != QEvent::Hide) || e->spontaneous() || !o->isWidgetType())
        return false;
    auto* d = qobject_cast<QDialog*>(o);
    if (!d || !d->isWindow()) return false;
    Descarta();
    qsizetype pos = -1;
    for (qsizetype i = 0; i < abertos_.size(); ++i)
        if (abertos_[i].dialogo == d) pos = i;
    auto* mb = qobject_cast<QMessageBox*>(d);
    if (e->type() == QEvent::Hide) {
        if (pos < 0) return false;
        const Aberto a = abertos_.takeAt(pos);
        if (a.caixa) {
            QJsonObject c = caixas[a.indice].toObject();
            c["answer"] = NomeResposta(mb);
            caixas[a.indice] = c;
        } else {
            QJsonObject f = forms[a.indice].toObject();
            f["modalResult"] = d->result();
            forms[a.indice] = f;
        }
        ocioso_.start();
        progresso_.start();
        if (aoMudar) aoMudar();
        return false;
    }
    if (pos >= 0) return false;
    if (mb) {
        abertos_.append({d, int(caixas.size()), true});
        caixas.append(QJsonObject{{"caption", mb->windowTitle()},
                                  {"text", mb->text()},
                                  {"icon", NomeIcone(mb->icon())},
                                  {"buttons", NomeBotoes(mb->standardButtons())},
                                  {"answer", QJsonValue()}});
    } else {
        abertos_.append({d, int(forms.size()), false});
        forms.append(QJsonObject{{"name", d->objectName()}, {"modalResult", QJsonValue()}});
    }
    ocioso_.start();
    progresso_.start();
    if (aoMudar) aoMudar();
    return false;
}

QWidget* Operador::Ativa() const {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) w = QApplication::activeWindow();
    return w && w->isVisible() ? w : nullptr;
}

// The newest module form still open: expect looks there even while a
// message box stands above it.
QDialog* Operador::FormDoTopo() const {
    for (qsizetype i = abertos_.size(); i-- > 0;)
        if (!abertos_[i].caixa && abertos_[i].dialogo && abertos_[i].dialogo->isVisible()) return abertos_[i].dialogo;
    return nullptr;
}

bool Operador::Confere(const QJsonObject& a) {
    QDialog* f = FormDoTopo();
    if (!f) {
        motivo_ = "no module form is open";
        return false;
    }
    const QString nome = a["expect"].toString();
    auto* c = f->findChild<QWidget*>(nome);
    if (!c) {
        motivo_ = QStringLiteral("\"%1\" has no control \"%2\"").arg(f->objectName(), nome);
        return false;
    }
    const QString texto = TextoDe(c);
    const bool focado = f->focusWidget() == c;
    QStringList falhas;
    if (a.contains("text") && texto != a["text"].toString()) falhas << "text";
    if (a.contains("contains") && !texto.contains(a["contains"].toString())) falhas << "contains";
    if (a.contains("lacks") && texto.contains(a["lacks"].toString())) falhas << "lacks";
    if (a.contains("message") && !texto.contains(SemAceleradores(TextoMensagem(a["message"].toInt()))))
        falhas << "message";
    if (a.contains("items")) {
        QStringList esperados;
        for (const auto& v : a["items"].toArray()) esperados << v.toString();
        if (Itens(c) != esperados) falhas << "items";
    }
    if (a.contains("enabled") && c->isEnabled() != a["enabled"].toBool()) falhas << "enabled";
    if (a.contains("visible") && c->isVisible() != a["visible"].toBool()) falhas << "visible";
    if (a.contains("focused") && focado != a["focused"].toBool()) falhas << "focused";
    if (falhas.isEmpty()) return true;
    const QString itens = a.contains("items") ? ", items " + Citado(QJsonArray::fromStringList(Itens(c))) : QString();
    motivo_ =
        QStringLiteral("\"%1\" of \"%2\" shows %3 (%4, %5, %6%7); unmet: %8")
            .arg(nome, f->objectName(), Citado(texto), c->isEnabled() ? "enabled" : "disabled",
                 c->isVisible() ? "visible" : "hidden", focado ? "focused" : "not focused", itens, falhas.join(", "));
    return false;
}

QWidget* Operador::Controle(QWidget* janela, const QString& nome) {
    auto* c = janela->findChild<QWidget*>(nome);
    if (!c) {
        motivo_ = QStringLiteral("\"%1\" has no control \"%2\"").arg(janela->objectName(), nome);
        return nullptr;
    }
    if (!c->isVisible() || !c->isEnabled()) {
        motivo_ = QStringLiteral("control \"%1\" of \"%2\" is %3")
                      .arg(nome, janela->objectName(), c->isVisible() ? "disabled" : "hidden");
        return nullptr;
    }
    return c;
}

// Runs the action once this tick is over: an action that opens a modal loop
// must not hold the timer that plays the next one.
void Operador::Depois(std::function<void()> f) {
    pendente_ = true;
    QTimer::singleShot(0, this, [this, f = std::move(f)] {
        pendente_ = false;
        f();
    });
}

bool Operador::Tenta(const QJsonObject& a) {
    motivo_.clear();
    if (a.contains("wait")) return inicioAcao_.elapsed() >= a["wait"].toInt();
    if (a.contains("expectClosed")) {
        motivo_ = "a module form is still open";
        return !FormAberto();
    }
    if (a.contains("expect")) return Confere(a);
    if (a.contains("form")) {
        // Met by a form shown since the previous action even when it has
        // closed already: a short-lived form must not be missed between two ticks.
        for (int i = formsDesde_; i < forms.size(); ++i)
            if (forms[i].toObject()["name"].toString() == a["form"].toString()) {
                formsDesde_ = i + 1;
                return true;
            }
    }
    QWidget* w = Ativa();
    if (!w) {
        motivo_ = "no module window is open";
        return false;
    }
    auto* caixa = qobject_cast<QMessageBox*>(w);
    if (a.contains("form")) {
        motivo_ = QStringLiteral("the active window is %1").arg(caixa ? "a message box" : '"' + w->objectName() + '"');
        if (caixa || w->objectName() != a["form"].toString()) return false;
        formsDesde_ = int(forms.size());
        return true;
    }
    if (a.contains("messageBox")) {
        if (!caixa) {
            motivo_ = QStringLiteral("the active window is \"%1\", not a message box").arg(w->objectName());
            return false;
        }
        if (a.contains("contains") && !caixa->text().contains(a["contains"].toString())) {
            motivo_ = QStringLiteral("the message box says \"%1\"").arg(caixa->text());
            return false;
        }
        static const QMap<QString, QMessageBox::StandardButton> botoes = {{"yes", QMessageBox::Yes},
                                                                          {"no", QMessageBox::No},
                                                                          {"ok", QMessageBox::Ok},
                                                                          {"cancel", QMessageBox::Cancel}};
        QAbstractButton* b = caixa->button(botoes[a["messageBox"].toString()]);
        if (!b || !b->isVisible()) {
            motivo_ =
                QStringLiteral("the message box has the buttons \"%1\"").arg(NomeBotoes(caixa->standardButtons()));
            return false;
        }
        QPointer<QAbstractButton> p(b);
        Depois([p] {
            if (p) Clica(p, p->rect().center());
        });
        return true;
    }
    if (a.contains("type")) {
        QWidget* c = Controle(w, a["type"].toString());
        if (!c) return false;
        const QString texto = a["text"].toString();
        QPointer<QWidget> p(c);
        Depois([p, texto] {
            if (!p) return;
            p->setFocus(Qt::OtherFocusReason);
            for (QChar ch : texto) {
                if (!p) return;
                EnviaTecla(p, TeclaDeCaractere(ch));
            }
        });
        return true;
    }
    if (a.contains("key")) {
        QWidget* alvo = w->focusWidget();
        if (!alvo) alvo = w;
        QPointer<QWidget> p(alvo);
        const Tecla t = TeclaDeNome(a["key"].toString());
        Depois([p, t] {
            if (p) EnviaTecla(p, t);
        });
        return true;
    }
    if (a.contains("click")) {
        QWidget* c = Controle(w, a["click"].toString());
        if (!c) return false;
        QPointer<QWidget> p(c);
        Depois([p] {
            if (p) Clica(p, p->rect().center());
        });
        return true;
    }
    if (a.contains("select")) {
        QWidget* c = Controle(w, a["select"].toString());
        if (!c) return false;
        const int i = a["index"].toInt();
        if (auto* cb = qobject_cast<QComboBox*>(c)) {
            if (i >= cb->count()) {
                motivo_ = QStringLiteral("\"%1\" has %2 entries").arg(cb->objectName()).arg(cb->count());
                return false;
            }
            QPointer<QComboBox> p(cb);
            Depois([p, i] {
                if (!p) return;
                p->setCurrentIndex(i);
                if (p) emit p->activated(i); // as when the operator picks it from the list
            });
            return true;
        }
        if (auto* v = qobject_cast<QAbstractItemView*>(c)) {
            const int linhas = v->model() ? v->model()->rowCount(v->rootIndex()) : 0;
            if (i >= linhas) {
                motivo_ = QStringLiteral("\"%1\" has %2 entries").arg(v->objectName()).arg(linhas);
                return false;
            }
            QPointer<QAbstractItemView> p(v);
            Depois([p, i] {
                if (!p) return;
                const QModelIndex m = p->model()->index(i, 0, p->rootIndex());
                p->scrollTo(m);
                const QRect r = p->visualRect(m);
                if (r.isValid() && p->viewport()->rect().contains(r.center()))
                    Clica(p->viewport(), r.center());
                else
                    p->setCurrentIndex(m);
            });
            return true;
        }
        motivo_ = QStringLiteral("\"%1\" is not a list or a combo box").arg(c->objectName());
        return false;
    }
    if (a.contains("shot")) {
        if (!shots_.isEmpty()) {
            QDir().mkpath(shots_);
            const QString arquivo = QDir(shots_).absoluteFilePath(a["shot"].toString() + ".png");
            if (!w->grab().save(arquivo, "PNG")) {
                Falha("cannot write " + arquivo);
                return true;
            }
            fotos.append(arquivo);
        }
        return true;
    }
    return false;
}

void Operador::Tique() {
    // A call that goes on with no action left to play and no window coming or
    // going is hung even if its event loop runs: the parent's watchdog is left
    // to end it.
    const bool parado = emChamada_ && atual_ >= acoes_.size() && progresso_.elapsed() > vigiaMs_;
    if (batimento_ >= 0 && !parado && desdeBatimento_.elapsed() >= 250) {
        desdeBatimento_.start();
        const char b = 'b';
        [[maybe_unused]] const ssize_t n = ::write(batimento_, &b, 1);
    }
    Descarta();
    if (!falha.isEmpty()) {
        FechaTudo();
        return;
    }
    if (pendente_) return;
    if (emChamada_ && atual_ < acoes_.size()) {
        const QJsonObject a = acoes_[atual_].toObject();
        if (Tenta(a)) {
            if (!a.contains("form")) formsDesde_ = int(forms.size());
            ++atual_;
            inicioAcao_.start();
            ocioso_.start();
            progresso_.start();
            return;
        }
        const int limite = a.contains("timeout") ? a["timeout"].toInt() : kEsperaPadraoMs;
        if (!a.contains("wait") && inicioAcao_.elapsed() > limite) {
            Falha(QStringLiteral("operator action #%1 %2 could not be played within %3 ms: %4")
                      .arg(atual_)
                      .arg(Descreve(a))
                      .arg(limite)
                      .arg(motivo_));
            FechaTudo();
        }
        return;
    }
    if (abertos_.isEmpty()) {
        ocioso_.start();
        return;
    }
    if (ocioso_.elapsed() > kEsperaPadraoMs) {
        const Aberto& a = abertos_.last();
        const QString qual =
            a.caixa ? QStringLiteral("message box \"%1\"").arg(caixas[a.indice].toObject()["text"].toString())
                    : QStringLiteral("form \"%1\"").arg(a.dialogo->objectName());
        Falha(QStringLiteral("%1 left open with no operator action to play for %2 s; closed by the runner")
                  .arg(qual)
                  .arg(kEsperaPadraoMs / 1000));
        FechaTudo();
    }
}

} // namespace hostsim::runner
