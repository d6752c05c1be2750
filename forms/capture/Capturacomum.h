// What the two capture dialogs share: the host operations they use, the
// amount formatting, the look of their panels and buttons, and the search of
// the selected product in the product table.
#pragma once
#include "framework/Controleskora.h"

#include <QByteArray>
#include <QColor>
#include <QString>

class QFrame;
class QLineEdit;
class QPushButton;
class QWidget;

namespace CapturaComum {

// The package's amount text of a digit string ("123456" -> "1.234,56").
QString TextoValor(const QString& digitos);
// Digits only, as the package removes the formatting.
QString SoDigitos(const QString& texto);
// The package's keyboard translation; '\0' drops the key.
char TraduzTecla(char tecla);
// The package's taxpayer-number rule.
bool CPFValido(const QString& cpf);
// The decimal separator of amounts on screen.
QChar SeparadorDecimal();

// A character written out as eight "0"/"1" characters, most significant bit
// first.
QByteArray MapaBits(char c);

// Position of the selected product in the product table, -1 when absent:
// the kind and code of `Produto` against each record, in order.
int ProcuraEntradaServicoW();

// Background of the dialogs' panels, which their controls' outlines follow.
inline const QColor COR_PAINEL{0xDF, 0xDF, 0xDF};
// The dialogs' buttons: default while focused, shown by FormCreate.
constexpr unsigned BOTAO = Ctl::Padrao | Ctl::Oculto;

// Reformats an amount edit as the package shows amounts, caret at the end.
void FormataValor(QLineEdit* ed);

} // namespace CapturaComum
