// Scenario documents: their checking before anything runs, and the
// expected-document matcher of --expect.
#include "runner.h"

#include "estado.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

namespace hostsim::runner {

namespace {

QString Compacto(const QJsonValue& v) {
    const QByteArray j = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(j.mid(1, j.size() - 2));
}

QString ChavesDesconhecidas(const QJsonObject& o, std::initializer_list<const char*> validas, const QString& onde) {
    for (auto it = o.begin(); it != o.end(); ++it) {
        bool ok = false;
        for (const char* v : validas) ok = ok || it.key() == QLatin1String(v);
        if (!ok) return QStringLiteral("%1: unknown key \"%2\"").arg(onde, it.key());
    }
    return {};
}

bool Inteiro(const QJsonValue& v, double minimo, double maximo) {
    if (!v.isDouble()) return false;
    const double d = v.toDouble();
    return d == double(qint64(d)) && d >= minimo && d <= maximo;
}

QString ValidaTexto(const QJsonValue& v, bool hex, const QString& onde) {
    QByteArray b;
    if (!v.isString()) return onde + ": not a string";
    if (hex ? !HexParaBytes(v.toString(), b) : !TextoParaLatin1(v.toString(), b))
        return onde + (hex ? ": not a hexadecimal text" : ": not a Latin-1 text");
    return {};
}

// The field keys of a scenario object, checked by applying them to a scratch store.
QString ValidaCampos(const QJsonObject& o, const QString& onde) {
    CamposHost rascunho;
    QString erro;
    if (AplicaCampos(o, rascunho, erro)) return {};
    return onde + (erro.startsWith('"') ? ": " : ".") + erro;
}

// Every string inside a scripted answer becomes bytes for the host library.
QString ValidaTextosDe(const QJsonValue& v, const QString& onde, bool hex = false) {
    if (v.isString()) return ValidaTexto(v, hex, onde);
    if (v.isArray()) {
        const QJsonArray l = v.toArray();
        for (int i = 0; i < l.size(); ++i)
            if (auto e = ValidaTextosDe(l[i], QStringLiteral("%1[%2]").arg(onde).arg(i), hex); !e.isEmpty()) return e;
    }
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it)
            if (auto e = ValidaTextosDe(it.value(), onde + "." + it.key(), it.key().endsWith("Hex")); !e.isEmpty())
                return e;
    }
    return {};
}

const QStringList kTeclas = {"Enter", "Escape", "Tab", "Backspace", "Up", "Down"};

bool TeclaValida(const QString& k) {
    if (kTeclas.contains(k)) return true;
    if (k.size() == 1) return k[0].unicode() >= 0x20 && k[0].unicode() <= 0xFF;
    if (k.size() >= 2 && k[0] == 'F') {
        bool ok = false;
        const int n = k.mid(1).toInt(&ok);
        return ok && n >= 1 && n <= 12 && k.mid(1) == QString::number(n);
    }
    return false;
}

QString ValidaAcao(const QJsonObject& a, const QString& onde) {
    if (auto e =
            ChavesDesconhecidas(a, {"form",       "type",     "text",  "key",     "click",        "select",  "index",
                                    "messageBox", "contains", "wait",  "shot",    "expectClosed", "timeout", "expect",
                                    "message",    "items",    "lacks", "enabled", "visible",      "focused"},
                                onde);
        !e.isEmpty())
        return e;
    int tipos = 0;
    for (const char* k :
         {"form", "type", "key", "click", "select", "messageBox", "wait", "shot", "expectClosed", "expect"})
        tipos += a.contains(k);
    if (tipos != 1)
        return onde + ": one action per entry (form, type, key, click, select, messageBox, wait, shot, expectClosed, "
                      "expect)";
    for (const char* k : {"form", "type", "click", "select", "shot", "expect"})
        if (a.contains(k) && (!a[k].isString() || a[k].toString().isEmpty()))
            return QStringLiteral("%1.%2: not a name").arg(onde, k);
    const bool confere = a.contains("expect");
    if (a.contains("type") && !a["text"].isString()) return onde + ": \"type\" needs a \"text\"";
    for (const char* k : {"text", "contains", "lacks"})
        if (a.contains(k))
            if (auto e = ValidaTexto(a[k], false, onde + "." + k); !e.isEmpty()) return e;
    if (a.contains("select") && !Inteiro(a["index"], 0, 1e6)) return onde + ": \"select\" needs an \"index\" >= 0";
    if (a.contains("text") && !a.contains("type") && !confere)
        return onde + ": \"text\" without \"type\" or \"expect\"";
    if (a.contains("index") && !a.contains("select")) return onde + ": \"index\" without \"select\"";
    if (a.contains("contains") && !a.contains("messageBox") && !confere)
        return onde + ": \"contains\" without \"messageBox\" or \"expect\"";
    for (const char* k : {"message", "items", "lacks", "enabled", "visible", "focused"})
        if (a.contains(k) && !confere) return QStringLiteral("%1: \"%2\" without \"expect\"").arg(onde, k);
    if (a.contains("message") && !Inteiro(a["message"], 0, 65535)) return onde + ".message: a message number";
    for (const char* k : {"enabled", "visible", "focused"})
        if (a.contains(k) && !a[k].isBool()) return QStringLiteral("%1.%2: not a boolean").arg(onde, k);
    if (a.contains("items")) {
        if (!a["items"].isArray()) return onde + ".items: not a list";
        for (const auto& v : a["items"].toArray())
            if (auto e = ValidaTexto(v, false, onde + ".items"); !e.isEmpty()) return e;
    }
    if (a.contains("messageBox")) {
        const QString r = a["messageBox"].toString();
        if (r != "yes" && r != "no" && r != "ok" && r != "cancel")
            return onde + ".messageBox: one of \"yes\", \"no\", \"ok\", \"cancel\"";
    }
    if (a.contains("key") && !TeclaValida(a["key"].toString()))
        return onde + ".key: Enter, Escape, Tab, Backspace, Up, Down, F1 to F12 or one character";
    if (a.contains("wait") && !Inteiro(a["wait"], 0, 600000)) return onde + ".wait: milliseconds";
    if (a.contains("timeout") && !Inteiro(a["timeout"], 1, 600000)) return onde + ".timeout: milliseconds";
    if (a.contains("expectClosed") && a["expectClosed"] != QJsonValue(true)) return onde + ".expectClosed: true";
    if (a.contains("shot") && (a["shot"].toString().contains('/') || a["shot"].toString().startsWith('.')))
        return onde + ".shot: a plain file name";
    return {};
}

const QStringList kChamadas = {"Initialize",
                               "Finalize",
                               "ObtemVersao",
                               "ExecutaVenda",
                               "ExecutaFuncaoADM",
                               "ExecutaPreAutorizacao",
                               "ExecutaGenerico",
                               "ExecutaConsultaCheque",
                               "RealizaConsultaMenuOutros"};

// One reply, or the interim part of a pending one (no nesting there).
QString ValidaResposta(const QJsonValue& v, const QString& de, bool interina) {
    if (!v.isObject()) return de + ": not an object";
    const QJsonObject r = v.toObject();
    if (auto e = interina ? ChavesDesconhecidas(
                                r, {"fields", "fieldsHex", "indexed", "indexedHex", "clear", "responseServices"}, de)
                          : ChavesDesconhecidas(r,
                                                {"fields", "fieldsHex", "indexed", "indexedHex", "clear",
                                                 "responseServices", "noReply", "pendingMs", "interim"},
                                                de);
        !e.isEmpty())
        return e;
    if (auto e = ValidaCampos(r, de); !e.isEmpty()) return e;
    if (r.contains("noReply") && !r["noReply"].isBool()) return de + ".noReply: not a boolean";
    if (r.contains("pendingMs") && !Inteiro(r["pendingMs"], 0, 600000)) return de + ".pendingMs: milliseconds";
    if (r.contains("interim"))
        if (auto e = ValidaResposta(r["interim"], de + ".interim", true); !e.isEmpty()) return e;
    if (r.contains("responseServices") && !r["responseServices"].isArray()) return de + ".responseServices: not a list";
    const QJsonArray servicos = r["responseServices"].toArray();
    for (int j = 0; j < servicos.size(); ++j) {
        const QString ds = QStringLiteral("%1.responseServices[%2]").arg(de).arg(j);
        const QJsonObject so = servicos[j].toObject();
        if (!servicos[j].isObject()) return ds + ": not an object";
        if (auto e = ChavesDesconhecidas(so, {"letter", "text"}, ds); !e.isEmpty()) return e;
        if (!so["letter"].isString() || so["letter"].toString().size() != 1) return ds + ".letter: one character";
        if (auto e = ValidaTexto(so["text"], false, ds + ".text"); !e.isEmpty()) return e;
        // Its length travels in three digits.
        if (so["text"].toString().size() > 999) return ds + ".text: longer than 999 characters";
    }
    return {};
}

QString ValidaRespostas(const QJsonValue& v, const QString& onde) {
    if (!v.isArray()) return onde + ": not a list";
    const QJsonArray l = v.toArray();
    for (int i = 0; i < l.size(); ++i)
        if (auto e = ValidaResposta(l[i], QStringLiteral("%1[%2]").arg(onde).arg(i), false); !e.isEmpty()) return e;
    return {};
}

QString ValidaRoteiro(const QJsonValue& v, const QString& onde) {
    if (!v.isObject()) return onde + ": not an object";
    const QJsonObject o = v.toObject();
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QString de = onde + "." + it.key();
        if (!OperacoesRoteirizaveis().contains(it.key()))
            return de + ": not a scriptable operation (hostsim run --help lists them)";
        if (!it.value().isArray()) return de + ": not a list of answers";
        const QJsonArray l = it.value().toArray();
        for (int i = 0; i < l.size(); ++i) {
            const QString di = QStringLiteral("%1[%2]").arg(de).arg(i);
            if (!l[i].isDouble() && !l[i].isBool() && !l[i].isObject())
                return di + ": an answer is a number, a boolean or an object";
            if (l[i].isObject() && !l[i].toObject().contains("result"))
                return di + ": an object answer needs \"result\"";
            if (auto e = ValidaTextosDe(l[i], di); !e.isEmpty()) return e;
        }
    }
    return {};
}

QString ValidaHost(const QJsonObject& h) {
    if (auto e = ChavesDesconhecidas(h,
                                     {"fields", "fieldsHex", "indexed", "indexedHex", "enabledPos", "enabledTerminal",
                                      "compreSaque", "card", "permiteAlterarDados", "refuseWrites", "ini", "files"},
                                     "host");
        !e.isEmpty())
        return e;
    if (auto e = ValidaCampos(h, "host"); !e.isEmpty()) return e;
    for (const char* k : {"enabledPos", "enabledTerminal", "compreSaque", "refuseWrites"}) {
        if (!h.contains(k)) continue;
        if (!h[k].isArray()) return QStringLiteral("host.%1: not a list").arg(k);
        for (const auto& n : h[k].toArray())
            if (!Inteiro(n, 0, 65535)) return QStringLiteral("host.%1: not a list of numbers").arg(k);
    }
    if (h.contains("card")) {
        if (!h["card"].isObject()) return "host.card: not an object";
        const QJsonObject cd = h["card"].toObject();
        if (auto e = ChavesDesconhecidas(cd, {"emv", "chipContact", "processaChip", "lidoChip"}, "host.card");
            !e.isEmpty())
            return e;
        for (auto it = cd.begin(); it != cd.end(); ++it)
            if (!it.value().isBool()) return "host.card." + it.key() + ": not a boolean";
    }
    if (h.contains("permiteAlterarDados") && !h["permiteAlterarDados"].isBool())
        return "host.permiteAlterarDados: not a boolean";
    if (h.contains("ini")) {
        if (!h["ini"].isObject()) return "host.ini: not an object";
        const QJsonObject inis = h["ini"].toObject();
        for (auto arq = inis.begin(); arq != inis.end(); ++arq) {
            const QString da = "host.ini." + arq.key();
            if (arq.key().isEmpty() || arq.key().contains('/')) return da + ": a plain file name";
            if (!arq.value().isObject()) return da + ": an object of sections";
            const QJsonObject secoes = arq.value().toObject();
            for (auto sec = secoes.begin(); sec != secoes.end(); ++sec) {
                if (!sec.value().isObject()) return da + "." + sec.key() + ": an object of keys";
                if (auto e = ValidaTextosDe(sec.value(), da + "." + sec.key()); !e.isEmpty()) return e;
                for (const auto& val : sec.value().toObject())
                    if (!val.isString()) return da + "." + sec.key() + ": values are strings";
            }
        }
    }
    if (h.contains("files")) {
        if (!h["files"].isObject()) return "host.files: not an object";
        const QJsonObject arqs = h["files"].toObject();
        for (auto it = arqs.begin(); it != arqs.end(); ++it) {
            // Sub-folders are fine ("Audit/20261205.aud"); a way out of the host's folder is not.
            const QStringList partes = it.key().split('/');
            bool ok = !it.key().startsWith('/') && !it.key().contains('\\');
            for (const QString& parte : partes) ok = ok && !parte.isEmpty() && parte != "." && parte != "..";
            if (!ok) return "host.files." + it.key() + ": a relative file name, without \"..\"";
            if (auto e = ValidaTexto(it.value(), false, "host.files." + it.key()); !e.isEmpty()) return e;
        }
    }
    return {};
}

QString ValidaPasso(const QJsonObject& p, const QString& de) {
    if (auto e = ChavesDesconhecidas(p,
                                     {"call", "open", "handle", "arg", "operator", "fields", "fieldsHex", "indexed",
                                      "indexedHex", "script", "acquirer", "snapshot"},
                                     de);
        !e.isEmpty())
        return e;
    if (p.contains("open")) {
        if (p.contains("call")) return de + ": \"call\" or \"open\", not both";
        if (!p["open"].isString() || p["open"].toString().isEmpty()) return de + ".open: a form's component name";
        for (const char* k : {"handle", "arg"})
            if (p.contains(k)) return QStringLiteral("%1.%2: not for an \"open\" step").arg(de, k);
    } else if (!kChamadas.contains(p["call"].toString())) {
        return de + ".call: one of " + kChamadas.join(", ");
    }
    if (p.contains("snapshot") && !p["snapshot"].isBool()) return de + ".snapshot: not a boolean";
    if (p.contains("handle") && !Inteiro(p["handle"], 0, 4294967295.0)) return de + ".handle: a 32-bit window handle";
    if (p.contains("arg") && !Inteiro(p["arg"], -2147483648.0, 2147483647.0)) return de + ".arg: a 32-bit integer";
    if (auto e = ValidaCampos(p, de); !e.isEmpty()) return e;
    if (p.contains("script"))
        if (auto e = ValidaRoteiro(p["script"], de + ".script"); !e.isEmpty()) return e;
    if (p.contains("acquirer"))
        if (auto e = ValidaRespostas(p["acquirer"], de + ".acquirer"); !e.isEmpty()) return e;
    if (p.contains("operator")) {
        if (!p["operator"].isArray()) return de + ".operator: not a list";
        const QJsonArray ops = p["operator"].toArray();
        for (int j = 0; j < ops.size(); ++j) {
            const QString da = QStringLiteral("%1.operator[%2]").arg(de).arg(j);
            if (!ops[j].isObject()) return da + ": not an object";
            if (auto e = ValidaAcao(ops[j].toObject(), da); !e.isEmpty()) return e;
        }
    }
    return {};
}

} // namespace

QString ValidaCenario(const QJsonObject& c) {
    if (auto e = ChavesDesconhecidas(c, {"now", "host", "script", "acquirer", "steps"}, "scenario"); !e.isEmpty())
        return e;
    if (c.contains("now") &&
        (!c["now"].isString() || !QDateTime::fromString(c["now"].toString(), Qt::ISODate).isValid()))
        return "now: not a local date and time (YYYY-MM-DDTHH:MM:SS)";
    if (c.contains("host")) {
        if (!c["host"].isObject()) return "host: not an object";
        if (auto e = ValidaHost(c["host"].toObject()); !e.isEmpty()) return e;
    }
    if (c.contains("script"))
        if (auto e = ValidaRoteiro(c["script"], "script"); !e.isEmpty()) return e;
    if (c.contains("acquirer"))
        if (auto e = ValidaRespostas(c["acquirer"], "acquirer"); !e.isEmpty()) return e;
    if (!c["steps"].isArray()) return "steps: missing or not a list";
    const QJsonArray passos = c["steps"].toArray();
    for (int i = 0; i < passos.size(); ++i) {
        const QString de = QStringLiteral("steps[%1]").arg(i);
        if (!passos[i].isObject()) return de + ": not an object";
        if (auto e = ValidaPasso(passos[i].toObject(), de); !e.isEmpty()) return e;
    }
    return {};
}

QString ChaveRepetida(const QByteArray& json) {
    struct Nivel {
        bool objeto;
        QString dono;
        QSet<QString> chaves;
    };
    QList<Nivel> pilha;
    QString ultimaChave;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '{' || c == '[') {
            pilha.append({c == '{', ultimaChave, {}});
            ultimaChave.clear();
        } else if (c == '}' || c == ']') {
            if (!pilha.isEmpty()) pilha.removeLast();
            ultimaChave.clear();
        } else if (c == '"') {
            const qsizetype ini = i;
            for (++i; i < json.size() && json[i] != '"'; ++i)
                if (json[i] == '\\') ++i;
            qsizetype j = i + 1;
            while (j < json.size() && (json[j] == ' ' || json[j] == '\n' || json[j] == '\r' || json[j] == '\t')) ++j;
            if (j >= json.size() || json[j] != ':' || pilha.isEmpty() || !pilha.last().objeto) continue;
            const QJsonDocument d = QJsonDocument::fromJson("[" + json.mid(ini, i - ini + 1) + "]");
            const QString chave = d.array().isEmpty() ? QString() : d.array().first().toString();
            Nivel& n = pilha.last();
            if (n.chaves.contains(chave))
                return n.dono.isEmpty() ? QStringLiteral("duplicate key \"%1\"").arg(chave)
                                        : QStringLiteral("duplicate key \"%1\" in \"%2\"").arg(chave, n.dono);
            n.chaves.insert(chave);
            ultimaChave = chave;
        }
    }
    return {};
}

QString LeJsonLimitado(const QString& caminho, QJsonObject& saida) {
    const QFileInfo fi(caminho);
    if (!fi.exists()) return "cannot read " + caminho;
    // A FIFO would block and a device would not end.
    if (!fi.isFile()) return caminho + " is not a regular file";
    if (fi.size() > kMaxCenario) return QStringLiteral("%1 is larger than %2 bytes").arg(caminho).arg(kMaxCenario);
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) return "cannot read " + caminho;
    const QByteArray bytes = f.read(kMaxCenario + 1);
    if (bytes.size() > kMaxCenario) return QStringLiteral("%1 is larger than %2 bytes").arg(caminho).arg(kMaxCenario);
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &pe);
    if (pe.error != QJsonParseError::NoError)
        return QStringLiteral("%1: %2 at offset %3").arg(caminho, pe.errorString()).arg(pe.offset);
    if (!doc.isObject()) return caminho + ": not a JSON object";
    if (const QString e = ChaveRepetida(bytes); !e.isEmpty()) return caminho + ": " + e;
    saida = doc.object();
    return {};
}

namespace {
QJsonObject Funde(QJsonObject base, const QJsonObject& sobre) {
    for (auto it = sobre.begin(); it != sobre.end(); ++it) {
        const QJsonValue b = base.value(it.key());
        base[it.key()] = b.isObject() && it.value().isObject() ? QJsonValue(Funde(b.toObject(), it.value().toObject()))
                                                               : QJsonValue(it.value());
    }
    return base;
}

QString LeComBase(const QString& caminho, QJsonObject& saida, int profundidade) {
    if (const QString e = LeJsonLimitado(caminho, saida); !e.isEmpty()) return e;
    if (!saida.contains("base")) return {};
    const QJsonValue base = saida.take("base");
    if (!base.isString() || base.toString().isEmpty()) return caminho + ": base: not a file name";
    if (profundidade >= 8) return caminho + ": base: more than 8 bases deep (a loop?)";
    QJsonObject b;
    const QString arquivo = QFileInfo(caminho).absoluteDir().filePath(base.toString());
    if (const QString e = LeComBase(arquivo, b, profundidade + 1); !e.isEmpty()) return e;
    saida = Funde(b, saida);
    return {};
}
} // namespace

QString LeCenario(const QString& caminho, QJsonObject& saida) { return LeComBase(caminho, saida, 0); }

bool Contem(const QJsonValue& esperado, const QJsonValue& real, QString& onde, const QString& caminho) {
    if (esperado.isObject() && esperado.toObject().contains("$exact")) {
        const QJsonValue e = esperado.toObject()["$exact"];
        if (!e.isArray() || esperado.toObject().size() != 1) {
            onde = caminho + ": \"$exact\" takes a list and nothing else";
            return false;
        }
        if (!real.isArray()) {
            onde = caminho + ": " + Compacto(real) + ", expected a list";
            return false;
        }
        if (e.toArray().size() != real.toArray().size()) {
            onde = QStringLiteral("%1: %2 elements, expected exactly %3")
                       .arg(caminho)
                       .arg(real.toArray().size())
                       .arg(e.toArray().size());
            return false;
        }
        return Contem(e, real, onde, caminho);
    }
    if (esperado.isObject()) {
        if (!real.isObject()) {
            onde = caminho + ": " + Compacto(real) + ", expected an object";
            return false;
        }
        const QJsonObject e = esperado.toObject(), r = real.toObject();
        for (auto it = e.begin(); it != e.end(); ++it) {
            const QString sub = caminho + "." + it.key();
            if (it.value().isNull()) {
                if (r.contains(it.key()) && !r[it.key()].isNull()) {
                    onde = sub + ": " + Compacto(r[it.key()]) + ", expected absent";
                    return false;
                }
                continue;
            }
            if (!r.contains(it.key())) {
                onde = sub + ": absent, expected " + Compacto(it.value());
                return false;
            }
            if (!Contem(it.value(), r[it.key()], onde, sub)) return false;
        }
        return true;
    }
    if (esperado.isArray()) {
        if (!real.isArray()) {
            onde = caminho + ": " + Compacto(real) + ", expected a list";
            return false;
        }
        const QJsonArray e = esperado.toArray(), r = real.toArray();
        for (int i = 0; i < e.size(); ++i) {
            const QString sub = QStringLiteral("%1[%2]").arg(caminho).arg(i);
            if (i >= r.size()) {
                onde = sub + ": absent, expected " + Compacto(e[i]);
                return false;
            }
            if (!Contem(e[i], r[i], onde, sub)) return false;
        }
        return true;
    }
    if (esperado != real) {
        onde = caminho + ": " + Compacto(real) + ", expected " + Compacto(esperado);
        return false;
    }
    return true;
}

bool ConfereEsperado(const QJsonObject& esperado, const QJsonObject& resultado, QString& onde) {
    QJsonObject e = esperado;
    if (!e.contains("ok")) e["ok"] = true;
    return Contem(e, resultado, onde);
}

} // namespace hostsim::runner
