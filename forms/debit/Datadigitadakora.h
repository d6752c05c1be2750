// What the debit forms share about typed dates and single-key edits: dates
// are typed as DD/MM/YYYY in masked edits whatever the workstation's locale.
#pragma once
#include <QDate>
#include <QString>

class QLineEdit;

namespace DataDigitada {
// Today as the module sees it.
QDate Hoje();
// Empties a masked edit and puts the caret at its start, so typed digits
// fill it from the first blank again.
void Limpa(QLineEdit* ed);
// Whether the text holds any digit.
bool TemDigitos(const QString& texto);
// "DD/MM/YYYY" as a date; invalid when it is not one.
QDate Le(const QString& texto);
QString Formata(const QDate& d);
// Today plus `dias` days as the host's date arithmetic gives it; invalid
// when the host cannot compute it.
QDate Limite(int dias);
} // namespace DataDigitada
