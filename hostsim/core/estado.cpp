#include "estado.h"

#include "sigilo.h"

#include <QJsonDocument>

namespace hostsim {

void Roteiro::acrescenta(const QString& operacao, const QJsonArray& respostas) {
    auto& fila = filas_[operacao];
    for (const QJsonValue& v : respostas) fila.append(v);
}

std::optional<QJsonValue> Roteiro::proxima(const QString& operacao) {
    auto it = filas_.find(operacao);
    if (it == filas_.end() || it->isEmpty()) return std::nullopt;
    return it->takeFirst();
}

QJsonObject Roteiro::naoUsadas() const {
    QJsonObject r;
    for (auto it = filas_.cbegin(); it != filas_.cend(); ++it) {
        if (it->isEmpty()) continue;
        QJsonArray resto;
        for (const QJsonValue& v : *it) resto.append(v);
        r.insert(it.key(), resto);
    }
    return r;
}

void Estado::reinicia() {
    campos.limpaTudo();
    posicoesPdv.reset();
    posicoesTerminal.reset();
    compreSaque.reset();
    cartaoEmv = cartaoChipContato = cartaoProcessaChip = cartaoLidoChip = false;
    permiteAlterarDados = true;
    camposRecusados.clear();
    roteiro.limpa();
    respostasAdquirente.clear();
    arquivos = requisicoes = erros = audit = pinpad = chamadas = QJsonArray();
    mensagensLidas.clear();
    sequenciaAdquirente = 0;
}

Estado& estado() {
    static Estado e;
    return e;
}

namespace {

bool TemControle(const QByteArray& v) {
    for (char c : v)
        if (static_cast<unsigned char>(c) < 0x20) return true;
    return false;
}

QString Hexa(const QByteArray& v) { return QString::fromLatin1(v.toHex()); }

bool NumeroCampo(const QString& chave, uint16_t& campo) {
    // Plain decimal digits only: " 1003", "+1003" or "01003" are typos, not 1003.
    if (chave.isEmpty() || chave.size() > 5 || chave[0] == '0') return false;
    for (QChar c : chave)
        if (c < '0' || c > '9') return false;
    bool ok = false;
    const uint value = chave.toUInt(&ok);
    if (!ok || value == 0 || value > 0xFFFE) return false;
    campo = uint16_t(value);
    return true;
}

bool NumeroCampo(const QJsonValue& v, uint16_t& campo) {
    if (v.isString()) return NumeroCampo(v.toString(), campo);
    if (!v.isDouble()) return false;
    const double d = v.toDouble();
    if (d < 1 || d > 0xFFFE || d != double(int(d))) return false;
    campo = uint16_t(d);
    return true;
}

bool Valor(const QJsonValue& v, bool hexa, QByteArray& saida) {
    if (!v.isString()) return false;
    return hexa ? HexParaBytes(v.toString(), saida) : TextoParaLatin1(v.toString(), saida);
}

} // namespace

QJsonObject FotografiaCampos(const CamposHost& campos, bool mascarado) {
    QJsonObject fields, fieldsHex, indexed, indexedHex;
    // Group the store by field number: element lists for the indexed form.
    std::map<uint16_t, std::map<uint16_t, QByteArray>> porCampo;
    for (const auto& [chave, valor] : campos.todos()) {
        if (mascarado && CampoSigiloso(chave.first)) continue;
        porCampo[chave.first][chave.second] = mascarado ? MascaraPan(valor) : valor;
    }
    for (const auto& [campo, elementos] : porCampo) {
        const QString nome = QString::number(campo);
        auto zero = elementos.find(0);
        if (zero != elementos.end() && !zero->second.isEmpty()) {
            if (TemControle(zero->second))
                fieldsHex.insert(nome, Hexa(zero->second));
            else
                fields.insert(nome, QString::fromLatin1(zero->second));
        }
        const uint16_t maior = elementos.rbegin()->first;
        if (maior == 0) continue;
        bool controle = false;
        for (const auto& [i, v] : elementos) controle = controle || TemControle(v);
        QJsonArray lista;
        for (uint16_t i = 0; i <= maior; ++i) {
            auto it = elementos.find(i);
            const QByteArray v = it == elementos.end() ? QByteArray() : it->second;
            lista.append(controle ? Hexa(v) : QString::fromLatin1(v));
        }
        (controle ? indexedHex : indexed).insert(nome, lista);
    }
    QJsonObject r{{"fields", fields}, {"fieldsHex", fieldsHex}, {"indexed", indexed}};
    // Only when needed, so the common result keeps the three documented keys.
    if (!indexedHex.isEmpty()) r.insert("indexedHex", indexedHex);
    return r;
}

bool TextoParaLatin1(const QString& texto, QByteArray& saida) {
    saida.clear();
    saida.reserve(texto.size());
    for (QChar c : texto) {
        if (c.unicode() > 0xFF) {
            saida.clear();
            return false;
        }
        saida.append(char(c.unicode()));
    }
    return true;
}

bool HexParaBytes(const QString& hexa, QByteArray& saida) {
    saida.clear();
    if (hexa.size() % 2) return false;
    auto digito = [](QChar c) -> int {
        const ushort u = c.unicode();
        if (u >= '0' && u <= '9') return u - '0';
        if (u >= 'a' && u <= 'f') return u - 'a' + 10;
        if (u >= 'A' && u <= 'F') return u - 'A' + 10;
        return -1;
    };
    saida.reserve(hexa.size() / 2);
    for (qsizetype i = 0; i < hexa.size(); i += 2) {
        const int a = digito(hexa[i]), b = digito(hexa[i + 1]);
        if (a < 0 || b < 0) {
            saida.clear();
            return false;
        }
        saida.append(char(a * 16 + b));
    }
    return true;
}

bool AplicaCampos(const QJsonObject& objeto, CamposHost& campos, QString& erro) {
    // Everything is checked before anything is written, so a bad scenario
    // leaves the store as it was.
    struct Escrita {
        uint16_t campo, indice;
        QByteArray valor;
    };
    std::vector<Escrita> escritas;
    std::vector<uint16_t> limpezas;

    // "fields" give element 0 of each field; "indexed" a list, element i at index i.
    for (const char* chave : {"fields", "fieldsHex", "indexed", "indexedHex"}) {
        if (!objeto.contains(chave)) continue;
        const bool hexa = QByteArray(chave).endsWith("Hex");
        const bool lista = QByteArray(chave).startsWith("indexed");
        const QJsonValue v = objeto.value(chave);
        if (!v.isObject()) {
            erro = QStringLiteral("\"%1\" must be an object").arg(chave);
            return false;
        }
        const QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            uint16_t campo = 0;
            if (!NumeroCampo(it.key(), campo)) {
                erro = QStringLiteral("%1: bad field number \"%2\"").arg(chave, it.key());
                return false;
            }
            if (lista && !it.value().isArray()) {
                erro = QStringLiteral("%1.%2 must be a list").arg(chave, it.key());
                return false;
            }
            const QJsonArray valores = lista ? it.value().toArray() : QJsonArray{it.value()};
            if (valores.size() > 0xFFFF) {
                erro = QStringLiteral("%1.%2: too many elements").arg(chave, it.key());
                return false;
            }
            for (qsizetype i = 0; i < valores.size(); ++i) {
                Escrita e{campo, uint16_t(i), {}};
                if (!Valor(valores[i], hexa, e.valor)) {
                    const QString onde = lista ? QStringLiteral("%1.%2[%3]").arg(chave, it.key()).arg(i)
                                               : QStringLiteral("%1.%2").arg(chave, it.key());
                    erro = onde + QStringLiteral(": ") +
                           (hexa ? QStringLiteral("not a hexadecimal text") : QStringLiteral("not a Latin-1 text"));
                    return false;
                }
                escritas.push_back(std::move(e));
            }
        }
    }
    if (objeto.contains("clear")) {
        const QJsonValue v = objeto.value("clear");
        if (!v.isArray()) {
            erro = QStringLiteral("\"clear\" must be a list of field numbers");
            return false;
        }
        for (const QJsonValue& c : v.toArray()) {
            uint16_t campo = 0;
            if (!NumeroCampo(c, campo)) {
                erro = QStringLiteral("clear: bad field number %1")
                           .arg(QString::fromUtf8(QJsonDocument(QJsonArray{c}).toJson(QJsonDocument::Compact)));
                return false;
            }
            limpezas.push_back(campo);
        }
    }
    // A reply's "clear" empties fields before its own values land.
    for (uint16_t c : limpezas) campos.limpa(c);
    for (const Escrita& e : escritas) campos.grava(e.campo, e.indice, e.valor);
    return true;
}

void RegistraChamada(const QString& operacao, const QJsonArray& argumentos) {
    estado().chamadas.append(QJsonObject{{"op", operacao}, {"args", argumentos}});
}

} // namespace hostsim
