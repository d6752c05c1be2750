#include "Datadigitadakora.h"

#include "bromo.h"
#include "platform.h"

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

} // namespace DataDigitada
