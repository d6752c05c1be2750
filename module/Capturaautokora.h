// Automatic card capture and the terminal checks made before a form opens.
#pragma once
#include <QByteArray>

bool VerificaVersaoAplicacaoTulen();
bool CapturaDadosCartaoAuto();
bool bCancelamentoDCCHabilitado();

// The pinpad's answer for tag DF70: a count (3 digits, above 6 to be usable),
// the value's length in bytes (2 hex digits at the 8th character) and the
// value in hex from the 10th. False for an unusable or truncated answer;
// `valor` stays empty when the tag has no value.
bool DecodificaDF70(const QByteArray& resposta, QByteArray& valor);
