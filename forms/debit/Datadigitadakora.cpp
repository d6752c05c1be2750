#include "Datadigitadakora.h"

#include "bromo.h"
#include "platform.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace DataDigitada {

QDate Hoje() { return Plataforma::Agora().date(); }

void Limpa(QLineEdit* ed) {
    ed->clear();
    ed->setCursorPosition(0);
}

bool TemDigitos(const QString& texto) {
    for (QChar c : texto)
        if (c.isDigit()) return true;
    return false;
}

QDate Le(const QString& texto) { return QDate::fromString(texto.trimmed(), QStringLiteral("dd/MM/yyyy")); }

QString Formata(const QDate& d) { return d.toString(QStringLiteral("dd/MM/yyyy")); }

QDate Limite(int dias) { return Le(SomaData(Formata(Hoje()), dias)); }

char Caractere(const QKeyEvent* k) {
    if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
    switch (k->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Delete: return 127;
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 0;
    default: break;
    }
    const QString t = k->text();
    if (t.size() != 1) return 0;
    const ushort u = t[0].unicode();
    return u >= 32 && u < 256 ? char(uchar(u)) : 0;
}

} // namespace DataDigitada
