#include "ganchos.h"

namespace hostsim {
namespace {
RespostaAoVivo& Resposta() {
    static RespostaAoVivo f;
    return f;
}
DecisaoAdquirente& Decisao() {
    static DecisaoAdquirente f;
    return f;
}
} // namespace

void DefineRespostaAoVivo(RespostaAoVivo f) { Resposta() = std::move(f); }
void DefineDecisaoAdquirente(DecisaoAdquirente f) { Decisao() = std::move(f); }

std::optional<QJsonValue> PedeRespostaAoVivo(const QString& operacao) {
    return Resposta() ? Resposta()(operacao) : std::nullopt;
}

std::optional<QJsonObject> PedeDecisaoAdquirente(const Requisicao& requisicao) {
    return Decisao() ? Decisao()(requisicao) : std::nullopt;
}

} // namespace hostsim
