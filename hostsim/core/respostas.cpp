#include "estado.h"
#include "ganchos.h"
#include "hostlib.h"

#include <QJsonObject>

namespace hostsim {

std::optional<QJsonObject> ProximaResposta(const QString& operacao) {
    auto v = estado().roteiro.proxima(operacao);
    if (!v) v = PedeRespostaAoVivo(operacao);
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

// ---- Currency conversion offer ---------------------------------------------------------
// The acquirer's offer travels as reply service Q "096": the currency's
// numeric code (3 digits), its letters (3), the rate in reais per unit
// (8 digits, 4 decimals) and the sale's amount in that currency (12 digits,
// cents). The host reads it from the reply at hand (field 20026), so the
// offer of the conversion query and the one of a declined sale each stand
// on their own.
namespace {
struct OfertaMoeda {
    QByteArray numerico, letras, taxa, valor;
};

bool SoDigitos(const QByteArray& b) {
    for (char c : b)
        if (c < '0' || c > '9') return false;
    return !b.isEmpty();
}

std::optional<OfertaMoeda> OfertaDaResposta() {
    const auto s = LocalizaServico(estado().campos.le(20026), 'Q', "096");
    if (!s || s->size() < 29) return std::nullopt;
    OfertaMoeda o{s->mid(3, 3), s->mid(6, 3), s->mid(9, 8), s->mid(17, 12)};
    if (!SoDigitos(o.numerico) || !SoDigitos(o.taxa) || !SoDigitos(o.valor)) return std::nullopt;
    if (o.taxa.toLongLong() == 0 || o.valor.toLongLong() == 0) return std::nullopt;
    return o;
}

QString Decimal(const QByteArray& digitos, int casas) {
    const QByteArray d = QByteArray::number(digitos.toLongLong()).rightJustified(casas + 1, '0');
    return QString::fromLatin1(d.left(d.size() - casas) + ',' + d.right(casas));
}
} // namespace

int RegraRespostaServicoQ096(int) { return OfertaDaResposta() ? 0 : 1; }

bool RegraConfirmacaoMoedaCliente() {
    const auto o = OfertaDaResposta();
    if (!o) return false;
    // What the customer reads before choosing: amount in the card's currency and the rate.
    estado().pinpad.append(QJsonObject{
        {"op", "ObtemConfirmacaoMoedaCliente"},
        {"text", QString::fromLatin1(o->letras) + ' ' + Decimal(o->valor, 2) + " TAXA " + Decimal(o->taxa, 4)}});
    return true;
}

int RegraAtualizaDadosTrxMoedaSelecionada(int resposta, int) {
    const auto o = OfertaDaResposta();
    if (!o || (resposta != 0 && resposta != 9)) return 1;
    auto& c = estado().campos;
    if (resposta == 0) {
        // The sale goes in the card's currency: the request carries the offer taken.
        c.grava(10458, 0, o->numerico + o->taxa + o->valor);
        c.grava(10457, 0, "1");
        c.grava(10459, 0, "1");
    } else {
        // Refused: the sale stays in reais and says so.
        c.limpa(10458);
        c.grava(10457, 0, "0");
        c.limpa(10459);
    }
    return 0;
}

} // namespace hostsim
