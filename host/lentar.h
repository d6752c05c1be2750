// Card-range lookup package of the host.
#pragma once
#include <QString>

class QLabel;

#if defined(_WIN32)
#define LENTAR_API __declspec(dllimport)
#else
#define LENTAR_API __attribute__((visibility("default")))
#endif

// Looks up the range of the current card. `modo` 1 shows the host's own
// dialog, 0 is silent. True when the lookup succeeded; `autorizador` "0125"
// is this module's acquirer.
LENTAR_API bool FazConsultaBins(int modo, int a, int b, int c, int d, QString& autorizador, QString& segundo, int e,
                                QLabel* mensagem);
