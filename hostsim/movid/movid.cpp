#include "movid.h"

#include "estado.h"
#include "hostlib.h"

bool ValidarOperador(uintptr_t, const QString& nivel) {
    hostsim::RegistraChamada(QStringLiteral("ValidarOperador"), {nivel});
    return hostsim::RespostaBool(QStringLiteral("ValidarOperador"), true);
}
