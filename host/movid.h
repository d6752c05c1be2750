// Operator-validation package of the host.
#pragma once
#include <QString>
#include <cstdint>

#if defined(_WIN32)
#define MOVID_API __declspec(dllimport)
#else
#define MOVID_API __attribute__((visibility("default")))
#endif

// Asks for an operator's credentials at `nivel`; true lets a protected
// option go on.
MOVID_API bool ValidarOperador(uintptr_t janela, const QString& nivel);
