// Card data named by scenario documents: every card number in any of their
// texts (hex texts of *Hex keys decoded first) but the host's ini files, with
// the rest of its track, and the security code of field 10149.
#pragma once
#include "Dadoscartao.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace DadosCartao {

inline void ColetaSegredos(const QJsonValue& v, Segredos& s, const QString& chave = {}, bool hexa = false) {
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it)
            // Ini values (stamps such as "05122026100000") are the host's settings, not card data.
            if (it.key() != QLatin1String("ini"))
                ColetaSegredos(it.value(), s, it.key(), hexa || it.key().endsWith(QLatin1String("Hex")));
        return;
    }
    if (v.isArray()) {
        for (const auto& e : v.toArray()) ColetaSegredos(e, s, chave, hexa);
        return;
    }
    if (!v.isString()) return;
    QByteArray texto = v.toString().toLatin1();
    if (hexa) {
        const QByteArray b = QByteArray::fromHex(texto);
        if (!b.isEmpty()) texto = b;
    }
    const std::string t = texto.toStdString();
    AcrescentaTrilha(s, t);
    if (chave == QLatin1String("10149")) AcrescentaCodigo(s, t);
}

inline void ColetaSegredos(const QJsonDocument& d, Segredos& s) {
    if (d.isObject())
        ColetaSegredos(QJsonValue(d.object()), s);
    else if (d.isArray())
        ColetaSegredos(QJsonValue(d.array()), s);
}

} // namespace DadosCartao
