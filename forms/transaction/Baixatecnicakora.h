// The technical write-off: the report of the shop's pinpad identity, security
// module data and automation version, sent by the module itself before a
// transaction whenever that record may have changed; and the dated copies of
// the host's logs kept after a chip's offline approval.
#pragma once
#include <QString>

class QLabel;

// Runs the schedule check and, when due, the write-off, showing progress in
// `mensagem`. True when a write-off was sent and approved. Leaves "255" in
// field 1009 and message 801 in field 1027 when a write-off was sent.
bool VerificaMontaDadosRealizaBaixaTecnica(QLabel* mensagem);
// The same with the schedule check optional (`bVerificaHorario` false checks
// the pinpad whatever the interval says, and does not move the check time).
bool VerificaMontaDadosRealizaBaixaTecnica(bool bVerificaHorario, QLabel* mensagem);

// True when at least `intervalo` whole minutes lie between `agora` and
// `ultima` (both DDMMYYYYHHMMSS), or when `ultima` is empty or unreadable.
bool VerificaSeDeuHorarioBaixaTecnica(const QString& agora, const QString& ultima, const QString& intervalo);

// Copies yesterday's and today's audit file and pinpad-library log to their
// ".offda" / ".off" names in the host's directory (existing copies replaced).
void CopiaAuditOffLine();
void CopiaLogBibliPinpadOffLine();
