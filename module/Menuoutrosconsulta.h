// Keeping the other-transactions list fresh: the query the module runs by
// itself and the time-stamp comparison. They belong with the menu but are
// needed before any form exists (reply services, the exported query), so
// they live here; the menu form uses these and the variables below.
#pragma once
#include <QByteArray>
#include <cstdint>

#define KORA_API __attribute__((visibility("default")))

class QLabel;

// Entry count of ServicoO as the menu sees it.
extern KORA_API uint16_t QtdProdutos;
// Sale type of the entry chosen in the menu.
extern KORA_API QByteArray TipoVenda;

// Result of a menu query: field 1009 (at most 2 characters) as a number, -1
// when absent or not a number.
KORA_API int ResultadoConsultaMenuOutros();
// The menu query without a dialog; leaves "FF" and message 801 as outcome.
KORA_API void RealizaConsultaMenuOutrosInterno();
// Marks the list for a new fetch (field 10224 "1") when `timeStamp` (first 10
// characters) differs from the one kept in Cliente.ini, and keeps the new one.
KORA_API void GravaComparaTimeStampMenuOutros(const char* timeStamp);
