#include "gravador.h"

#include "sigilo.h"

#include <QJsonDocument>

namespace hostsim::desk {
namespace {

bool Digito(char c) { return c >= '0' && c <= '9'; }

bool TemControle(const QByteArray& v) {
    for (char c : v)
        if (static_cast<unsigned char>(c) < 0x20) return true;
    return false;
}

bool LuhnValido(const QByteArray& d) {
    int soma = 0;
    for (qsizetype i = 0; i < d.size(); ++i) {
        int n = d[d.size() - 1 - i] - '0';
        if (i % 2) n = n * 2 > 9 ? n * 2 - 9 : n * 2;
        soma += n;
    }
    return soma % 10 == 0;
}

// What follows a number's track separator up to the next blank, ';' or '|':
// the first `mantem` characters stay (expiry and service code), later digits
// move on by one and letters turn to 'X', so no rest of a real track remains.
qsizetype TrocaResto(QByteArray& r, qsizetype p, int mantem) {
    for (int k = 0; p < r.size() && r[p] != ' ' && r[p] != ';' && r[p] != '|'; ++p, ++k) {
        if (k < mantem) continue;
        if (Digito(r[p]))
            r[p] = char('0' + (r[p] - '0' + 1) % 10);
        else if ((r[p] >= 'A' && r[p] <= 'Z') || (r[p] >= 'a' && r[p] <= 'z'))
            r[p] = 'X';
    }
    return p;
}

QJsonObject Mescla(QJsonObject base, const QJsonObject& por) {
    for (auto it = por.begin(); it != por.end(); ++it) {
        if (it.value().isObject() && base.value(it.key()).isObject())
            base[it.key()] = Mescla(base.value(it.key()).toObject(), it.value().toObject());
        else
            base[it.key()] = it.value();
    }
    return base;
}

// A security code keeps its length and changes every digit.
QByteArray TrocaCodigo(QByteArray b) {
    for (char& c : b)
        if (Digito(c)) c = char('0' + (c - '0' + 1) % 10);
    return b;
}

bool ControleDeCodigo(const QString& nome) {
    return nome.contains(QLatin1String("CSeg"), Qt::CaseInsensitive) ||
           nome.contains(QLatin1String("CVV"), Qt::CaseInsensitive);
}

QString SubstituiTexto(const QString& s) {
    if (s.size() < 13) return s;
    return QString::fromLatin1(SubstituiCartao(s.toLatin1()));
}

// The card-data fields of a "fields"/"fieldsHex" holder.
QJsonObject CamposSeguros(QJsonObject dono) {
    for (const char* chave : {"fields", "fieldsHex"}) {
        if (!dono.contains(chave)) continue;
        const bool hexa = QByteArray(chave).endsWith("Hex");
        QJsonObject o = dono.value(chave).toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            if (!CampoSigiloso(it.key().toInt())) continue;
            const QString v = it.value().toString();
            QByteArray b = hexa ? QByteArray::fromHex(v.toLatin1()) : v.toLatin1();
            b = it.key().toInt() == 10149 ? TrocaCodigo(b) : SubstituiCartao(b);
            it.value() = hexa ? QString::fromLatin1(b.toHex()) : QString::fromLatin1(b);
        }
        dono[chave] = o;
    }
    return dono;
}

} // namespace

QByteArray SubstituiCartao(const QByteArray& texto) {
    QByteArray r = texto;
    qsizetype i = 0;
    while (i < r.size()) {
        if (!Digito(r[i])) {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < r.size() && Digito(r[j])) ++j;
        const qsizetype n = j - i;
        if (n >= 13 && n <= 19) {
            QByteArray novo = r.mid(i, 6) + QByteArray(n - 10, '0') + r.mid(j - 4, 4);
            if (LuhnValido(novo)) novo[6] = '1';
            r.replace(i, n, novo);
            if (j < r.size() && (r[j] == '=' || r[j] == 'D')) {
                j = TrocaResto(r, j + 1, 7);
            } else if (j < r.size() && r[j] == '^') {
                // Track 1: the holder's name, then expiry and service code.
                const qsizetype k = r.indexOf('^', j + 1);
                if (k > 0) {
                    for (qsizetype n = j + 1; n < k; ++n)
                        if ((r[n] >= 'A' && r[n] <= 'Z') || (r[n] >= 'a' && r[n] <= 'z')) r[n] = 'X';
                    j = TrocaResto(r, k + 1, 7);
                }
            }
        }
        i = j;
    }
    return r;
}

QJsonObject CenarioSeguro(const QJsonObject& cenario) {
    QJsonObject c = cenario;
    if (c.contains("host")) c["host"] = CamposSeguros(c.value("host").toObject());
    QJsonArray passos;
    for (const QJsonValue& v : c.value("steps").toArray()) {
        QJsonObject p = CamposSeguros(v.toObject());
        QJsonArray acoes;
        for (const QJsonValue& a : p.value("operator").toArray()) {
            QJsonObject o = a.toObject();
            if (o.contains("text"))
                o["text"] = ControleDeCodigo(o.value("type").toString())
                                ? QString::fromLatin1(TrocaCodigo(o.value("text").toString().toLatin1()))
                                : SubstituiTexto(o.value("text").toString());
            acoes.append(o);
        }
        if (p.contains("operator")) p["operator"] = acoes;
        QJsonArray respostas;
        for (const QJsonValue& r : p.value("acquirer").toArray()) respostas.append(CamposSeguros(r.toObject()));
        if (p.contains("acquirer")) p["acquirer"] = respostas;
        passos.append(p);
    }
    if (c.contains("steps")) c["steps"] = passos;
    return c;
}

namespace {
QByteArray Compacto(const QJsonValue& v) {
    if (v.isObject()) return QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact);
    if (v.isArray()) return QJsonDocument(v.toArray()).toJson(QJsonDocument::Compact);
    const QByteArray a = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return a.mid(1, a.size() - 2);
}

bool Simples(const QJsonValue& v) {
    const auto escalar = [](const QJsonValue& x) { return !x.isObject() && !x.isArray(); };
    if (v.isObject()) {
        for (const QJsonValue& x : v.toObject())
            if (!escalar(x)) return false;
    } else if (v.isArray()) {
        for (const QJsonValue& x : v.toArray())
            if (!escalar(x)) return false;
    }
    return Compacto(v).size() <= 100;
}

void Escreve(QByteArray& s, const QJsonValue& v, int nivel) {
    if ((!v.isObject() && !v.isArray()) || Simples(v)) {
        s += Compacto(v);
        return;
    }
    const QByteArray dentro(2 * (nivel + 1), ' ');
    bool primeiro = true;
    if (v.isObject()) {
        s += "{\n";
        const QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            if (!primeiro) s += ",\n";
            primeiro = false;
            s += dentro + Compacto(it.key()) + ": ";
            Escreve(s, it.value(), nivel + 1);
        }
        s += '\n' + QByteArray(2 * nivel, ' ') + '}';
    } else {
        s += "[\n";
        for (const QJsonValue& x : v.toArray()) {
            if (!primeiro) s += ",\n";
            primeiro = false;
            s += dentro;
            Escreve(s, x, nivel + 1);
        }
        s += '\n' + QByteArray(2 * nivel, ' ') + ']';
    }
}
} // namespace

QByteArray TextoCenario(const QJsonObject& cenario) {
    QByteArray s;
    Escreve(s, cenario, 0);
    return s + '\n';
}

void Gravador::DefineHost(const QJsonObject& host, const QString& agora) {
    host_ = Mescla(host_, host);
    if (!iniciado_) agora_ = agora;
}

void Gravador::Campo(int campo, int indice, const QByteArray& valor) {
    const QString nome = QString::number(campo);
    if (indice != 0) {
        // Only element 0 is edited by hand; other elements go as a whole list.
        QJsonObject ix = pendentes_.value("indexedHex").toObject();
        QJsonArray lista = ix[nome].toArray();
        while (lista.size() <= indice) lista.append(QString());
        lista[indice] = QString::fromLatin1(valor.toHex());
        ix[nome] = lista;
        pendentes_["indexedHex"] = ix;
        return;
    }
    QJsonObject f = pendentes_.value("fields").toObject(), h = pendentes_.value("fieldsHex").toObject();
    f.remove(nome);
    h.remove(nome);
    if (TemControle(valor))
        h[nome] = QString::fromLatin1(valor.toHex());
    else
        f[nome] = QString::fromLatin1(valor);
    pendentes_["fields"] = f;
    pendentes_["fieldsHex"] = h;
    if (f.isEmpty()) pendentes_.remove("fields");
    if (h.isEmpty()) pendentes_.remove("fieldsHex");
}

void Gravador::IniciaChamada(const QJsonObject& passo, const QJsonObject& camposHost) {
    passo_ = passo;
    if (!iniciado_) {
        for (const char* k : {"fields", "fieldsHex", "indexed", "indexedHex"})
            if (!camposHost.value(k).toObject().isEmpty()) host_[k] = camposHost.value(k);
        iniciado_ = true;
    } else {
        passo_ = Mescla(passo_, pendentes_);
    }
    pendentes_ = {};
    passo_["operator"] = QJsonArray();
    emChamada_ = true;
}

void Gravador::Acao(const QJsonObject& acao) {
    if (!emChamada_) return;
    QJsonArray a = passo_.value("operator").toArray();
    a.append(acao);
    passo_["operator"] = a;
}

void Gravador::Digita(const QString& controle, const QString& texto) {
    if (!emChamada_) return;
    QJsonArray a = passo_.value("operator").toArray();
    if (!a.isEmpty()) {
        QJsonObject ultima = a.last().toObject();
        if (ultima.value("type").toString() == controle) {
            ultima["text"] = ultima.value("text").toString() + texto;
            a[a.size() - 1] = ultima;
            passo_["operator"] = a;
            return;
        }
    }
    a.append(QJsonObject{{"type", controle}, {"text", texto}});
    passo_["operator"] = a;
}

void Gravador::Resposta(const QString& operacao, const QJsonValue& valor) {
    if (!emChamada_) return;
    QJsonObject s = passo_.value("script").toObject();
    QJsonArray fila = s.value(operacao).toArray();
    fila.append(valor);
    s[operacao] = fila;
    passo_["script"] = s;
}

void Gravador::Adquirente(const QJsonObject& resposta) {
    if (!emChamada_) return;
    QJsonArray a = passo_.value("acquirer").toArray();
    a.append(resposta);
    passo_["acquirer"] = a;
}

void Gravador::FimChamada() {
    if (!emChamada_) return;
    Acao(QJsonObject{{"expectClosed", true}});
    passos_.append(passo_);
    passo_ = {};
    emChamada_ = false;
}

QJsonObject Gravador::Cenario() const {
    QJsonObject c;
    if (!agora_.isEmpty()) c["now"] = agora_;
    c["host"] = iniciado_ ? host_ : Mescla(host_, pendentes_);
    QJsonArray passos = passos_;
    if (emChamada_) passos.append(passo_);
    c["steps"] = passos;
    return CenarioSeguro(c);
}

void Gravador::Restaura(const QJsonObject& cenario) {
    agora_ = cenario.value("now").toString();
    host_ = cenario.value("host").toObject();
    passos_ = cenario.value("steps").toArray();
    iniciado_ = !passos_.isEmpty();
    pendentes_ = passo_ = {};
    emChamada_ = false;
}

} // namespace hostsim::desk
