#include "estado.h"
#include "hostlib.h"

namespace hostsim {

std::optional<QJsonObject> ProximaResposta(const QString& operacao) {
    auto v = estado().roteiro.proxima(operacao);
    if (!v) return std::nullopt;
    QJsonObject r;
    if (v->isObject()) {
        r = v->toObject();
        QString erro;
        // A scripted answer may also change the store, as the real device's
        // call would (a card read filling the track fields, for instance).
        if (!AplicaCampos(r, estado().campos, erro))
            qWarning("hostsim: %s answer: %s", qPrintable(operacao), qPrintable(erro));
    } else {
        r.insert("result", *v);
    }
    return r;
}

namespace {
int ComoInt(const QJsonValue& v, int padrao) {
    if (v.isBool()) return v.toBool() ? 1 : 0;
    if (v.isDouble()) return v.toInt(padrao);
    if (v.isString()) {
        bool ok = false;
        const int n = v.toString().toInt(&ok);
        return ok ? n : padrao;
    }
    return padrao;
}
} // namespace

int RespostaInt(const QString& operacao, int padrao, QJsonObject* saidas) {
    auto r = ProximaResposta(operacao);
    if (!r) {
        if (saidas) *saidas = {};
        return padrao;
    }
    if (saidas) *saidas = *r;
    return r->contains("result") ? ComoInt(r->value("result"), padrao) : padrao;
}

bool RespostaBool(const QString& operacao, bool padrao, QJsonObject* saidas) {
    return RespostaInt(operacao, padrao ? 1 : 0, saidas) != 0;
}

QByteArray SaidaBytes(const QJsonObject& saidas, const QString& chave) {
    QByteArray b;
    if (saidas.contains(chave + "Hex")) {
        if (!HexParaBytes(saidas.value(chave + "Hex").toString(), b))
            qWarning("hostsim: out-value %sHex is not hexadecimal", qPrintable(chave));
        return b;
    }
    if (saidas.contains(chave) && !TextoParaLatin1(saidas.value(chave).toString(), b))
        qWarning("hostsim: out-value %s is not Latin-1", qPrintable(chave));
    return b;
}

} // namespace hostsim
