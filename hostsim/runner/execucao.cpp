// One scenario run in this process: a fresh host, the module loaded as the
// host loads it, the steps with their operator, and the result document.
#include "operador.h"
#include "runner.h"

#include "estado.h"
#include "platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QTemporaryDir>

#include <cstdio>
#include <dlfcn.h>
#include <unistd.h>

namespace hostsim::runner {
namespace {

using FnVazia = void (*)();
using FnVersao = void (*)(char*, char*);
using FnExec = void (*)(uint32_t, int32_t);
using FnMenu = void (*)(uint32_t, QLabel*);

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
        QFile saida(QDir(dir).filePath(a.key()));
        QByteArray b;
        TextoParaLatin1(a.value().toString(), b);
        if (!saida.open(QIODevice::WriteOnly) || saida.write(b) != b.size())
            return "cannot write the host's file " + a.key();
    }
    AcrescentaRoteiros(e, c);
    return {};
}

// Everything the result reports, as it stands now.
QJsonObject MontaResultado(const QJsonArray& passos, const Operador& op, const QString& dir) {
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
    for (const QFileInfo& fi : QDir(dir).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
        nomes.append(fi.fileName());
        if (fi.suffix().compare("ini", Qt::CaseInsensitive) == 0) inis[fi.fileName()] = LeIniArquivo(fi.filePath());
    }
    for (auto it = e.mensagensLidas.begin(); it != e.mensagensLidas.end(); ++it)
        mensagens[QString::number(it.key())] = it.value();
    r["ini"] = inis;
    r["hostFiles"] = nomes;
    r["messages"] = mensagens;
    r["unused"] = QJsonObject{{"script", e.roteiro.naoUsadas()}, {"acquirer", int(e.respostasAdquirente.size())}};
    if (!op.fotos.isEmpty()) r["shots"] = QJsonArray::fromStringList(op.fotos);
    return r;
}

// Kept up to date on disk so that a crash or a hang of the module still
// leaves what happened up to that point; replaced in one rename.
void GravaParcial(const QString& caminho, QJsonObject r, const QString& emCurso) {
    if (caminho.isEmpty()) return;
    if (!emCurso.isEmpty()) r["_running"] = emCurso;
    const QString temp = caminho + ".tmp";
    QFile f(temp);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    f.write(QJsonDocument(r).toJson(QJsonDocument::Compact));
    f.close();
    std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(caminho).constData());
}

} // namespace

QString ModuloPadrao() {
    const QString exe = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return QFileInfo(exe).absoluteDir().filePath(QStringLiteral("libKora41.so"));
}

int Executa(const Opcoes& opcoes, QJsonObject& resultado) {
    Plataforma::GaranteAplicacao();
    QFile f(opcoes.cenario);
    if (!f.open(QIODevice::ReadOnly)) {
        resultado = Falhou("cannot read the scenario " + opcoes.cenario);
        return 1;
    }
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &pe);
    if (pe.error != QJsonParseError::NoError || !doc.isObject()) {
        resultado = Falhou("bad scenario: " + (pe.error != QJsonParseError::NoError
                                                   ? QStringLiteral("%1 at offset %2").arg(pe.errorString()).arg(pe.offset)
                                                   : QStringLiteral("not a JSON object")));
        return 1;
    }
    const QJsonObject c = doc.object();
    if (const QString e = ValidaCenario(c); !e.isEmpty()) {
        resultado = Falhou("bad scenario: " + e);
        return 1;
    }

    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/hostsim-XXXXXX"));
    if (!dir.isValid()) {
        resultado = Falhou("cannot create the host's directory");
        return 1;
    }
    Plataforma::DefineDiretorioHost(dir.path());
    struct Restaura {
        ~Restaura() {
            Plataforma::DefineDiretorioHost({});
            Plataforma::DefineAgora(QDateTime());
        }
    } restaura;
    Plataforma::DefineAgora(c.contains("now") ? QDateTime::fromString(c["now"].toString(), Qt::ISODate) : QDateTime());
    if (const QString e = PreparaHost(c, dir.path()); !e.isEmpty()) {
        resultado = Falhou(e);
        return 1;
    }

    const QString caminho = opcoes.modulo.isEmpty() ? ModuloPadrao() : opcoes.modulo;
    void* lib = dlopen(QFile::encodeName(caminho).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!lib) {
        resultado = Falhou(QStringLiteral("cannot load the module %1: %2").arg(caminho, QString::fromLocal8Bit(dlerror())));
        return 1;
    }
    auto simbolo = [&](const QString& nome) { return dlsym(lib, nome.toLatin1().constData()); };
    for (const char* n : {"Initialize", "Finalize"})
        if (!simbolo(n)) {
            dlclose(lib);
            resultado = Falhou(QStringLiteral("the module %1 does not export %2").arg(caminho, n));
            return 1;
        }

    Operador operador(opcoes.shots, opcoes.batimento);
    QJsonArray passos;
    QString emCurso;
    auto parcial = [&] { GravaParcial(opcoes.parcial, MontaResultado(passos, operador, dir.path()), emCurso); };
    operador.aoMudar = parcial;

    auto chamaVazia = [&](const char* nome, const QString& quando) {
        emCurso = quando;
        parcial();
        operador.Passo(quando, {});
        reinterpret_cast<FnVazia>(simbolo(nome))();
        operador.FimDoPasso();
    };
    chamaVazia("Initialize", QStringLiteral("loading (Initialize)"));

    const QJsonArray lista = c["steps"].toArray();
    for (int i = 0; i < lista.size() && operador.falha.isEmpty(); ++i) {
        const QJsonObject p = lista[i].toObject();
        const QString chamada = p["call"].toString();
        const QString nome = QStringLiteral("step %1 (%2)").arg(i).arg(chamada);
        QString erro;
        AplicaCampos(p, estado().campos, erro); // checked with the scenario
        AcrescentaRoteiros(estado(), p);
        void* fn = simbolo(chamada);
        QJsonObject r{{"call", chamada}, {"returned", false}};
        if (!fn) {
            passos.append(r);
            operador.Passo(nome, {});
            operador.Falha("the module does not export " + chamada);
            break;
        }
        passos.append(r);
        emCurso = nome;
        parcial();
        operador.Passo(nome, p["operator"].toArray());
        const uint32_t handle = uint32_t(p["handle"].toInteger());
        const int32_t arg = int32_t(p["arg"].toInteger());
        if (chamada == "Initialize" || chamada == "Finalize") {
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
        r["returned"] = true;
        if (p["snapshot"].toBool()) {
            const QJsonObject foto = FotografiaCampos(estado().campos);
            for (auto it = foto.begin(); it != foto.end(); ++it) r[it.key()] = it.value();
        }
        passos[i] = r;
        operador.FimDoPasso();
        QApplication::processEvents();
    }
    chamaVazia("Finalize", QStringLiteral("unloading (Finalize)"));
    emCurso.clear();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    resultado = MontaResultado(passos, operador, dir.path());
    GravaParcial(opcoes.parcial, resultado, QStringLiteral("unloading the module (dlclose)"));
    dlclose(lib);
    return resultado["ok"].toBool() ? 0 : 1;
}

} // namespace hostsim::runner
