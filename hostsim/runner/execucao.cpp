// One scenario run in this process: a fresh host, the module loaded as the
// host loads it, the steps with their operator, and the result document.
#include "operador.h"
#include "runner.h"

#include "estado.h"
#include "sigilo.h"
#include "platform.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <dlfcn.h>
#include <unistd.h>

namespace hostsim::runner {
namespace {

using FnVazia = void (*)();
using FnVersao = void (*)(char*, char*);
using FnExec = void (*)(uint32_t, int32_t);
using FnMenu = void (*)(uint32_t, QLabel*);
using FnAbre = int (*)(const char*);

QJsonObject Falhou(const QString& porque) { return {{"ok", false}, {"failure", porque}}; }

// An ini file as the result shows it: { section: { key: value } }, in the
// spelling the file has.
QJsonObject LeIniArquivo(const QString& caminho) {
    QFile f(caminho);
    QJsonObject r;
    if (!f.open(QIODevice::ReadOnly)) return r;
    QString secao;
    bool emSecao = false;
    for (const QByteArray& bruta : f.readAll().split('\n')) {
        const QString linha = QString::fromLatin1(bruta).trimmed();
        if (linha.isEmpty() || linha.startsWith(';')) continue;
        if (linha.startsWith('[') && linha.endsWith(']')) {
            secao = linha.mid(1, linha.size() - 2);
            emSecao = true;
            if (!r.contains(secao)) r[secao] = QJsonObject();
            continue;
        }
        const qsizetype igual = linha.indexOf('=');
        if (igual <= 0 || !emSecao) continue;
        QJsonObject s = r[secao].toObject();
        s[linha.left(igual).trimmed()] = linha.mid(igual + 1);
        r[secao] = s;
    }
    return r;
}

std::optional<std::set<int>> Conjunto(const QJsonObject& h, const char* chave) {
    if (!h.contains(chave)) return std::nullopt;
    std::set<int> s;
    for (const auto& v : h[chave].toArray()) s.insert(v.toInt());
    return s;
}

void AcrescentaRoteiros(Estado& e, const QJsonObject& dono) {
    const QJsonObject roteiro = dono["script"].toObject();
    for (auto it = roteiro.begin(); it != roteiro.end(); ++it) e.roteiro.acrescenta(it.key(), it.value().toArray());
    for (const auto& r : dono["acquirer"].toArray()) e.respostasAdquirente.append(r.toObject());
}

// The host before the first step: fields, switches, ini files and files.
QString PreparaHost(const QJsonObject& c, const QString& dir) {
    Estado& e = estado();
    e.reinicia();
    const QJsonObject h = c["host"].toObject();
    QString erro;
    if (!AplicaCampos(h, e.campos, erro)) return "host: " + erro;
    e.posicoesPdv = Conjunto(h, "enabledPos");
    e.posicoesTerminal = Conjunto(h, "enabledTerminal");
    e.compreSaque = Conjunto(h, "compreSaque");
    e.camposRecusados = Conjunto(h, "refuseWrites").value_or(std::set<int>{});
    const QJsonObject cartao = h["card"].toObject();
    e.cartaoEmv = cartao["emv"].toBool();
    e.cartaoChipContato = cartao["chipContact"].toBool();
    e.cartaoProcessaChip = cartao["processaChip"].toBool();
    e.cartaoLidoChip = cartao["lidoChip"].toBool();
    e.permiteAlterarDados = h["permiteAlterarDados"].toBool(true);
    const QJsonObject inis = h["ini"].toObject();
    for (auto a = inis.begin(); a != inis.end(); ++a) {
        const QJsonObject secoes = a.value().toObject();
        for (auto s = secoes.begin(); s != secoes.end(); ++s) {
            const QJsonObject chaves = s.value().toObject();
            for (auto k = chaves.begin(); k != chaves.end(); ++k)
                if (!Plataforma::GravaIni(a.key(), s.key(), k.key(), k.value().toString()))
                    return "cannot write the host's " + a.key();
        }
    }
    const QJsonObject arquivos = h["files"].toObject();
    for (auto a = arquivos.begin(); a != arquivos.end(); ++a) {
        const QString caminho = QDir(dir).filePath(a.key());
        QDir().mkpath(QFileInfo(caminho).absolutePath());
        QFile saida(caminho);
        QByteArray b;
        TextoParaLatin1(a.value().toString(), b);
        if (!saida.open(QIODevice::WriteOnly) || saida.write(b) != b.size())
            return "cannot write the host's file " + a.key();
    }
    AcrescentaRoteiros(e, c);
    return {};
}

// Everything the result reports, as it stands now.
QJsonObject MontaResultado(const QJsonArray& passos, const Operador& op, const QString& dir, bool mascara) {
    const Estado& e = estado();
    QJsonObject r{{"ok", op.falha.isEmpty()}};
    if (!op.falha.isEmpty()) r["failure"] = op.falha;
    r["steps"] = passos;
    const QJsonObject foto = FotografiaCampos(e.campos);
    for (auto it = foto.begin(); it != foto.end(); ++it) r[it.key()] = it.value();
    r["files"] = e.arquivos;
    r["requests"] = e.requisicoes;
    r["errors"] = e.erros;
    r["messageBoxes"] = op.caixas;
    r["forms"] = op.forms;
    r["audit"] = e.audit;
    r["pinpad"] = e.pinpad;
    r["calls"] = e.chamadas;
    QJsonObject inis, mensagens;
    QJsonArray nomes;
    QStringList todos;
    for (QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        todos << QDir(dir).relativeFilePath(it.next());
    todos.sort();
    for (const QString& nome : todos) {
        nomes.append(nome);
        if (!nome.contains('/') && nome.endsWith(".ini", Qt::CaseInsensitive))
            inis[nome] = LeIniArquivo(QDir(dir).filePath(nome));
    }
    for (auto it = e.mensagensLidas.begin(); it != e.mensagensLidas.end(); ++it)
        mensagens[QString::number(it.key())] = it.value();
    r["ini"] = inis;
    r["hostFiles"] = nomes;
    r["messages"] = mensagens;
    r["unused"] = QJsonObject{{"script", e.roteiro.naoUsadas()}, {"acquirer", int(e.respostasAdquirente.size())}};
    if (!op.fotos.isEmpty()) r["shots"] = QJsonArray::fromStringList(op.fotos);
    r["cardData"] = mascara ? "masked" : "full";
    return mascara ? MascaraDocumento(r) : r;
}

// Replaced in one rename, so the parent never reads half a document.
void GravaAtomico(const QString& caminho, const QByteArray& dados) {
    const QString temp = caminho + ".tmp";
    QFile f(temp);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    f.write(dados);
    f.close();
    std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(caminho).constData());
}

// What the child leaves for its parent in case it dies: the steps and the one
// in progress as lines appended to a journal (a constant cost per step), and
// the rest of the result rewritten only as often as it stays a small share of
// the run's time, so a long scenario costs the same per sale as a short one.
class Rastro {
public:
    explicit Rastro(const QString& parcial) : parcial_(parcial), diario_(parcial + ".steps") {
        if (!parcial_.isEmpty()) diario_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
    }
    void Passo(int indice, const QJsonObject& entrada, const QString& emCurso) {
        if (!diario_.isOpen()) return;
        QJsonObject linha{{"running", emCurso}};
        if (indice >= 0) linha.insert("index", indice), linha.insert("entry", entrada);
        diario_.write(QJsonDocument(linha).toJson(QJsonDocument::Compact) + '\n');
    }
    void Resultado(const std::function<QJsonObject()>& monta, bool forcado) {
        if (parcial_.isEmpty()) return;
        if (!forcado && escreveu_ && desde_.nsecsElapsed() < std::max<qint64>(50'000'000, 10 * custoNs_)) return;
        QElapsedTimer t;
        t.start();
        GravaAtomico(parcial_, QJsonDocument(monta()).toJson(QJsonDocument::Compact));
        custoNs_ = t.nsecsElapsed();
        desde_.start();
        escreveu_ = true;
    }

private:
    QString parcial_;
    QFile diario_;
    QElapsedTimer desde_;
    qint64 custoNs_ = 0;
    bool escreveu_ = false;
};

} // namespace

QString ModuloPadrao() {
    const QString exe = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return QFileInfo(exe).absoluteDir().filePath(QStringLiteral("libKora41.so"));
}

int Executa(const Opcoes& opcoes, QJsonObject& resultado) {
    Plataforma::GaranteAplicacao();
    QJsonObject c;
    if (const QString e = LeCenario(opcoes.cenario, c); !e.isEmpty()) {
        resultado = Falhou("bad scenario: " + e);
        return 1;
    }
    if (const QString e = ValidaCenario(c); !e.isEmpty()) {
        resultado = Falhou("bad scenario: " + e);
        return 1;
    }

    // Inside the isolated run's own folder, which goes away even after a
    // crash, unless the host's files are to be kept for a later look.
    const QString base = opcoes.parcial.isEmpty() ? QDir::tempPath() : QFileInfo(opcoes.parcial).absolutePath();
    QTemporaryDir temporario(base + QStringLiteral("/hostsim-XXXXXX"));
    QString dir = temporario.path();
    if (!opcoes.guardaHost.isEmpty()) {
        dir = QDir(opcoes.guardaHost).absolutePath();
        QDir(dir).removeRecursively();
        if (!QDir().mkpath(dir)) dir.clear();
    }
    if (!temporario.isValid() || dir.isEmpty()) {
        resultado = Falhou("cannot create the host's directory");
        return 1;
    }
    Plataforma::DefineDiretorioHost(dir);
    struct Restaura {
        ~Restaura() {
            Plataforma::DefineDiretorioHost({});
            Plataforma::DefineAgora(QDateTime());
        }
    } restaura;
    Plataforma::DefineAgora(c.contains("now") ? QDateTime::fromString(c["now"].toString(), Qt::ISODate) : QDateTime());
    if (const QString e = PreparaHost(c, dir); !e.isEmpty()) {
        resultado = Falhou(e);
        return 1;
    }

    Rastro rastro(opcoes.parcial);
    const QString caminho = opcoes.modulo.isEmpty() ? ModuloPadrao() : opcoes.modulo;
    rastro.Passo(-1, {}, QString::fromLatin1(kCarregando));
    void* lib = dlopen(QFile::encodeName(caminho).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!lib) {
        resultado =
            Falhou(QStringLiteral("cannot load the module %1: %2").arg(caminho, QString::fromLocal8Bit(dlerror())));
        return 1;
    }
    auto simbolo = [&](const QString& nome) { return dlsym(lib, nome.toLatin1().constData()); };
    for (const char* n : {"Initialize", "Finalize"})
        if (!simbolo(n)) {
            dlclose(lib);
            resultado = Falhou(QStringLiteral("the module %1 does not export %2").arg(caminho, n));
            return 1;
        }

    Operador operador(opcoes.shots, opcoes.batimento, opcoes.vigiaSegundos);
    QJsonArray passos;
    const bool mascara = !opcoes.cartaoCompleto;
    auto monta = [&] { return MontaResultado(passos, operador, dir, mascara); };
    operador.aoMudar = [&] { rastro.Resultado(monta, false); };

    auto chamaVazia = [&](const char* nome, const QString& quando) {
        rastro.Passo(-1, {}, quando);
        rastro.Resultado(monta, false);
        operador.Passo(quando, {});
        reinterpret_cast<FnVazia>(simbolo(nome))();
        operador.FimDoPasso();
    };
    chamaVazia("Initialize", QStringLiteral("loading (Initialize)"));

    const QJsonArray lista = c["steps"].toArray();
    for (int i = 0; i < lista.size() && operador.falha.isEmpty(); ++i) {
        const QJsonObject p = lista[i].toObject();
        const bool abre = p.contains("open");
        const QString chamada = abre ? QStringLiteral("Kora41AbreForm") : p["call"].toString();
        const QString nome = abre ? QStringLiteral("step %1 (open %2)").arg(i).arg(p["open"].toString())
                                  : QStringLiteral("step %1 (%2)").arg(i).arg(chamada);
        QString erro;
        AplicaCampos(p, estado().campos, erro); // checked with the scenario
        AcrescentaRoteiros(estado(), p);
        void* fn = simbolo(chamada);
        QJsonObject r = abre ? QJsonObject{{"open", p["open"]}, {"modalResult", QJsonValue()}}
                             : QJsonObject{{"call", chamada}, {"returned", false}};
        passos.append(r);
        if (!fn) {
            operador.Passo(nome, {});
            operador.Falha("the module does not export " + chamada);
            break;
        }
        rastro.Passo(i, r, nome);
        rastro.Resultado(monta, false);
        operador.Passo(nome, p["operator"].toArray());
        const uint32_t handle = uint32_t(p["handle"].toInteger());
        const int32_t arg = int32_t(p["arg"].toInteger());
        if (abre) {
            const int modal = reinterpret_cast<FnAbre>(fn)(p["open"].toString().toLatin1().constData());
            r["modalResult"] = modal;
            if (modal == -1) operador.Falha("the module has no form " + p["open"].toString());
        } else if (chamada == "Initialize" || chamada == "Finalize") {
            reinterpret_cast<FnVazia>(fn)();
        } else if (chamada == "ObtemVersao") {
            // Larger than any version text; the module is trusted to end it.
            char interface_[256] = {}, modulo[256] = {};
            reinterpret_cast<FnVersao>(fn)(interface_, modulo);
            interface_[sizeof interface_ - 1] = modulo[sizeof modulo - 1] = 0;
            r["interface"] = QString::fromLatin1(interface_);
            r["module"] = QString::fromLatin1(modulo);
        } else if (chamada == "RealizaConsultaMenuOutros") {
            QLabel rotulo;
            rotulo.setObjectName(QStringLiteral("Mensagem"));
            reinterpret_cast<FnMenu>(fn)(handle, &rotulo);
            r["label"] = rotulo.text();
        } else {
            reinterpret_cast<FnExec>(fn)(handle, arg);
        }
        if (!abre) r["returned"] = true;
        if (p["snapshot"].toBool()) {
            const QJsonObject foto = FotografiaCampos(estado().campos);
            for (auto it = foto.begin(); it != foto.end(); ++it) r[it.key()] = it.value();
        }
        passos[i] = r;
        rastro.Passo(i, r, {});
        operador.FimDoPasso();
        // As the host's own loop would between two calls: what the module
        // left to delete goes now, so a long scenario does not pile up widgets.
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    chamaVazia("Finalize", QStringLiteral("unloading (Finalize)"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    resultado = monta();
    rastro.Passo(-1, {}, QStringLiteral("unloading the module (dlclose)"));
    rastro.Resultado([&] { return resultado; }, true);
    dlclose(lib);
    return resultado["ok"].toBool() ? 0 : 1;
}

} // namespace hostsim::runner
