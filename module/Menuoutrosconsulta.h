// The other-transactions menu's list: when it is due, the query that fetches
// it again (by the module itself or for the host), and what the menu keeps of
// it. A query only brings the services; rebuilding Produto and the
// reply-service records from them is the caller's, done where the call is.
#pragma once
#include <QByteArray>
#include <cstdint>

class QLabel;

// Entry count of ServicoO as the menu sees it.
extern uint16_t QtdProdutos;
// Sale type of the entry chosen in the menu.
extern QByteArray TipoVenda;

// Result of a menu query: field 1009 (at most 2 characters) as a number, -1
// when absent or not a number.
int ResultadoConsultaMenuOutros();
// Whether the list is marked for a new fetch (field 10224 "1").
bool MenuOutrosVencido();
// The menu query without a dialog; leaves "FF" and message 801 as outcome.
// True when the acquirer sent the list (the records are then to be rebuilt).
[[nodiscard]] bool RealizaConsultaMenuOutrosInterno();
// The menu query through the host's authorization dialog, leaving the
// request code (field 10171) as it was. True as above.
[[nodiscard]] bool ConsultaMenuOutros(QLabel* mensagem);
