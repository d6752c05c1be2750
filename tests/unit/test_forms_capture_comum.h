// Helpers of the capture-dialog tests: a product selected in the product
// table, and the operator's keys to whatever has the focus.
#pragma once
#include "Servicoskora.h"
#include "platform.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <functional>

namespace TesteCaptura {

// Product table with `antes` other products ahead of the selected one, so
// that the capture services are read at the selected product's position.
inline void SelecionaProduto(int antes = 0) {
    QByteArray w = QByteArray("HDR01") + char(antes + 1) + char(0);
    QByteArray escolhido;
    for (int i = 0; i <= antes; ++i) {
        QByteArray p(TAM_PRODUTO, '0');
        p.replace(OffProduto::TIPO, 2, "01");
        p.replace(OffProduto::CODIGO, 4, QByteArray::number(i + 1).rightJustified(4, '0'));
        w += p;
        escolhido = p;
    }
    DecodificaServicoW(reinterpret_cast<const unsigned char*>(w.constData()), size_t(w.size()), ServicoW);
    std::memcpy(Produto.dados, escolhido.constData(), TAM_PRODUTO);
}

// The dialog under test; keys go to its focused control even while a
// closed message box still holds the activation.
inline QWidget*& Janela() {
    static QWidget* j = nullptr;
    return j;
}
inline QWidget* Foco() { return Janela() ? Janela()->focusWidget() : QApplication::focusWidget(); }

inline void Digita(const QString& texto) {
    if (QWidget* w = Foco()) QTest::keyClicks(w, texto);
}
inline void Tecla(Qt::Key k) {
    if (QWidget* w = Foco()) QTest::keyClick(w, k);
}

// Shows the dialog the way the operator sees it, with the keyboard focus.
inline bool Mostra(QDialog* d) {
    Janela() = d;
    d->show();
    d->activateWindow();
    return QTest::qWaitForWindowActive(d);
}

// After a message box the dialog is active again, as under a window manager.
inline void Reativa() {
    if (!Janela() || Janela()->isActiveWindow()) return;
    Janela()->activateWindow();
    (void)QTest::qWaitForWindowActive(Janela());
}

// Runs `acao` on the modal dialog named `nome` as soon as it is open.
inline void QuandoAbrir(const QString& nome, std::function<void(QDialog*)> acao) {
    auto* t = new QTimer;
    t->setInterval(10);
    QObject::connect(t, &QTimer::timeout, [t, nome, acao] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || d->objectName() != nome || !d->isVisible()) return;
        t->stop();
        t->deleteLater();
        Janela() = d;
        acao(d);
    });
    t->start();
}

} // namespace TesteCaptura
