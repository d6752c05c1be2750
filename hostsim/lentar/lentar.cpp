#include "lentar.h"

#include "estado.h"
#include "hostlib.h"

bool FazConsultaBins(int modo, int, int, int, int, QString& autorizador, QString& segundo, int, QLabel*) {
    hostsim::RegistraChamada(QStringLiteral("FazConsultaBins"), {modo});
    QJsonObject saidas;
    const bool ok = hostsim::RespostaBool(QStringLiteral("FazConsultaBins"), true, &saidas);
    // Unscripted, every card belongs to this module's acquirer.
    autorizador = saidas.contains("authorizer") ? saidas.value("authorizer").toString() : QStringLiteral("0125");
    segundo = saidas.value("second").toString();
    return ok;
}
