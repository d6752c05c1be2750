// The one way the module reads and writes the host's field store.
//
// Values are bytes; texts are Latin-1 and converted here, nowhere else.
// A field that holds zero bytes reads as an empty one: length 0, no error,
// "" as text, -1 (or the default) as a number; an absent field reads the same.
// Element indices are 0 unless a caller names one. Every write returns
// whether the host stored it, and the result must be looked at.
#pragma once
#include "Camposkora.h"

#include <QByteArray>
#include <QString>

namespace Campos {
// Raw bytes of element `indice`, at most `maximo`; empty when absent.
QByteArray LeBytes(int campo, int maximo = 1024, int indice = 0);
// The field as text, up to its first zero byte.
QString Le(int campo, int indice = 0);
// The trimmed field as a whole number; `padrao` when empty or not a number.
int LeNumero(int campo, int padrao = -1);
// Whether the field holds at least one byte.
bool Preenchido(int campo, int indice = 0);

[[nodiscard]] bool Grava(int campo, const QString& texto, int indice = 0);
[[nodiscard]] bool GravaBytes(int campo, const QByteArray& bytes, int indice = 0);
void Limpa(int campo);

// The request's outcome as the host reads it: response code and result text.
// Written on the way out, when nothing is left to undo, so a store that
// refuses them only leaves its line in the audit trail.
void GravaDesfecho(const QString& codigo, const QString& texto);

// Trim as the host's texts need it: every byte up to blank at both ends.
QByteArray Apara(const QByteArray& b);
} // namespace Campos
