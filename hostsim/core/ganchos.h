// Extension points for a host that answers live instead of from a script:
// the desk's pinpad and acquirer panels. Each is consulted only when nothing
// scripted or queued is waiting, so a scenario run never reaches them.
#pragma once
#include "hostlib.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <functional>
#include <optional>

namespace hostsim {

// The answer of a host operation (the operation's name as a script names it);
// nullopt lets the host answer by its own logic.
using RespostaAoVivo = std::function<std::optional<QJsonValue>(const QString& operacao)>;
// The reply to a request, in the form of a queued acquirer reply; nullopt
// lets the built-in acquirer answer.
using DecisaoAdquirente = std::function<std::optional<QJsonObject>(const Requisicao& requisicao)>;

HOSTSIM_API void DefineRespostaAoVivo(RespostaAoVivo f);
HOSTSIM_API void DefineDecisaoAdquirente(DecisaoAdquirente f);
HOSTSIM_API std::optional<QJsonValue> PedeRespostaAoVivo(const QString& operacao);
HOSTSIM_API std::optional<QJsonObject> PedeDecisaoAdquirente(const Requisicao& requisicao);

} // namespace hostsim
