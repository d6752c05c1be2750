// The commands of hostsim: run (with --out, --expect, --summary), gallery,
// and the help and summary texts.
#include "runner.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QTemporaryDir>

#include "estado.h"
#include "sigilo.h"
#include "platform.h"

#include <cstdio>
#include <dlfcn.h>

namespace hostsim::runner {
namespace {

void Escreve(FILE* f, const QString& texto) {
    const QByteArray b = texto.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), f);
    std::fflush(f);
}

// The host's own description of what a scenario may script and of its acquirer.
QString TextoOperacoes() {
    QString t = hostsim::AjudaOperacoes() + QLatin1Char('\n') + hostsim::RegrasAdquirente();
    // Indented under the heading, as the rest of the help.
    t.replace(QLatin1Char('\n'), QStringLiteral("\n  "));
    return QStringLiteral("  ") + t.trimmed() + QLatin1Char('\n');
}

} // namespace

int Run(const Opcoes& opcoes) {
    QJsonObject esperado;
    if (!opcoes.expect.isEmpty())
        if (const QString e = LeJsonLimitado(opcoes.expect, esperado); !e.isEmpty()) {
            Escreve(stderr, "hostsim: " + e + "\n");
            return 2;
        }

    QJsonObject resultado;
    int rc = ExecutaIsolado(opcoes, resultado);
    const QByteArray json = QJsonDocument(resultado).toJson(QJsonDocument::Indented);
    if (opcoes.saida.isEmpty()) {
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            Escreve(stderr, "hostsim: cannot write the result to standard output\n");
            return 1;
        }
    } else {
        QDir().mkpath(QFileInfo(opcoes.saida).absolutePath());
        QFile f(opcoes.saida);
        // The data reaches the file only at the flush: a full disk shows there.
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(json) != json.size() || !f.flush()) {
            Escreve(stderr, "hostsim: cannot write " + opcoes.saida + ": " + f.errorString() + "\n");
            return 1;
        }
    }
    if (opcoes.resumo) Escreve(stdout, Resumo(resultado, opcoes.shots));
    if (!resultado["ok"].toBool())
        Escreve(stderr, "hostsim: the run failed: " + resultado["failure"].toString() + "\n");
    if (!opcoes.expect.isEmpty()) {
        QString onde;
        if (ConfereEsperado(esperado, resultado, onde)) return 0;
        // Test logs keep this line: a card number in it is masked even with --card-data full.
        Escreve(stderr, QStringLiteral("hostsim: the result does not match %1 at %2\n")
                            .arg(opcoes.expect, QString::fromLatin1(MascaraPan(onde.toLatin1()))));
        return 1;
    }
    return rc;
}

int Galeria(const QString& modulo, const QString& dir) {
    if (!QCoreApplication::instance() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString caminho = modulo.isEmpty() ? ModuloPadrao() : modulo;
    void* lib = dlopen(QFile::encodeName(caminho).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!lib) {
        Escreve(stderr, QStringLiteral("hostsim: cannot load the module %1: %2\n").arg(caminho, dlerror()));
        return 1;
    }
    auto fn = reinterpret_cast<int (*)(const char*)>(dlsym(lib, "Kora41Galeria"));
    if (!fn) {
        Escreve(stderr, "hostsim: the module " + caminho + " does not export Kora41Galeria\n");
        return 1;
    }
    // The forms write the host's ini, audit and pinpad files; they belong in a
    // scratch folder, not wherever the gallery was started from.
    QTemporaryDir host(QDir::tempPath() + QStringLiteral("/hostsim-gallery-XXXXXX"));
    if (!host.isValid()) {
        Escreve(stderr, "hostsim: cannot create the host's directory\n");
        return 1;
    }
    Plataforma::DefineDiretorioHost(host.path());
    // Loaded as a host would, so the forms show the module's version.
    using Vazia = void (*)();
    if (auto ini = reinterpret_cast<Vazia>(dlsym(lib, "Initialize"))) ini();
    QDir().mkpath(dir);
    const QString absoluto = QDir(dir).absolutePath();
    QSet<QString> antes;
    for (const QFileInfo& fi : QDir(absoluto).entryInfoList(QDir::Files))
        antes.insert(fi.fileName() + fi.lastModified().toString());
    const int r = fn(QFile::encodeName(absoluto).constData());
    int escritos = 0;
    for (const QFileInfo& fi : QDir(absoluto).entryInfoList({"*.png"}, QDir::Files, QDir::Name)) {
        if (antes.contains(fi.fileName() + fi.lastModified().toString())) continue;
        Escreve(stdout, fi.absoluteFilePath() + "\n");
        ++escritos;
    }
    Escreve(stdout, QStringLiteral("%1 image(s) written to %2\n").arg(escritos).arg(absoluto));
    if (auto fim = reinterpret_cast<Vazia>(dlsym(lib, "Finalize"))) fim();
    // The module answers with the number of pictures it saved, -1 when it could not use DIR.
    if (r < 0) Escreve(stderr, QStringLiteral("hostsim: the module could not write to %1\n").arg(absoluto));
    return r > 0 ? 0 : 1;
}

QString Resumo(const QJsonObject& r, const QString& shots) {
    QString s = QStringLiteral("run: %1\n").arg(r["ok"].toBool() ? "ok" : "FAILED: " + r["failure"].toString());
    const QJsonArray passos = r["steps"].toArray();
    for (int i = 0; i < passos.size(); ++i) {
        const QJsonObject p = passos[i].toObject();
        s += QStringLiteral("step %1: %2 %3")
                 .arg(i)
                 .arg(p["call"].toString(), p["returned"].toBool() ? "returned" : "did not return");
        if (p.contains("module"))
            s += QStringLiteral(" (interface %1, module %2)").arg(p["interface"].toString(), p["module"].toString());
        s += '\n';
    }
    auto campo = [](const QJsonObject& foto, const char* n) {
        if (foto["fields"].toObject().contains(n)) return '"' + foto["fields"].toObject()[n].toString() + '"';
        if (foto["fieldsHex"].toObject().contains(n)) return "hex " + foto["fieldsHex"].toObject()[n].toString();
        return QStringLiteral("(empty)");
    };
    s += QStringLiteral("response code (1009): %1\noutcome (1027): %2\n").arg(campo(r, "1009"), campo(r, "1027"));
    const QJsonArray arquivos = r["files"].toArray();
    s += QStringLiteral("stored transactions: %1\n").arg(arquivos.size());
    if (!arquivos.isEmpty()) {
        const QJsonObject u = arquivos.last().toObject();
        for (const char* n : {"1003", "1009", "1027", "10107", "10112"})
            s += QStringLiteral("  last %1: %2\n").arg(n, campo(u, n));
    }
    s += QStringLiteral("requests sent: %1\n").arg(r["requests"].toArray().size());
    for (const auto& e : r["errors"].toArray())
        s += QStringLiteral("error reported %1: %2\n")
                 .arg(e.toObject()["code"].toInt())
                 .arg(e.toObject()["text"].toString());
    for (const auto& f : r["forms"].toArray())
        s += QStringLiteral("form %1 -> %2\n")
                 .arg(f.toObject()["name"].toString(), f.toObject()["modalResult"].toVariant().toString());
    for (const auto& b : r["messageBoxes"].toArray())
        s += QStringLiteral("message box [%1] \"%2\" -> %3\n")
                 .arg(b.toObject()["icon"].toString(), b.toObject()["text"].toString(),
                      b.toObject()["answer"].toString());
    const QJsonArray fotos = r["shots"].toArray();
    if (!fotos.isEmpty())
        s += QStringLiteral("shots (%1) in %2\n").arg(fotos.size()).arg(QDir(shots).absolutePath());
    else if (!shots.isEmpty())
        s += "no shots taken (" + QDir(shots).absolutePath() + ")\n";
    return s;
}

QString Ajuda() {
    return QStringLiteral(R"(usage:
  hostsim run SCENARIO.json [--module PATH] [--out RESULT.json] [--shots DIR]
                            [--expect EXPECTED.json] [--summary] [--window] [--watchdog SECONDS]
                            [--card-data masked|full] [--keep-host DIR]
  hostsim gallery DIR [--module PATH] [--window]
  hostsim run --help

run: loads the module (dlopen; default: libKora41.so next to hostsim), calls Initialize,
the scenario's steps, then Finalize, and writes the result document (standard output
without --out). The run happens in a child process: a crash or a hang of the module
still gives a result with "ok": false. Offscreen unless --window.
  --module PATH     the module to load
  --out FILE        where the result goes
  --shots DIR       where the "shot" actions save their PNGs (no PNG without it)
  --expect FILE     compare the result with FILE: objects key by key (keys not named are
                    free, null means absent), lists element-wise as a prefix, or exactly
                    with {"$exact": [...]}; a FILE without "ok" expects "ok": true.
                    Exit 1 and the first mismatching path on standard error.
  --summary         a short human summary on standard output, after the result
  --window          show the windows on the real display
  --watchdog S      a call that lets the event loop stall S seconds is killed (default 60)
  --card-data M     "masked" (default): card data in the result is masked as in the host's
                    own files: a card number (also in groups, "5555 6666 7777 8888") keeps
                    its first six and last four digits, the rest of a track after its
                    separator (= ^ D d) becomes '*'; the values of fields 10104, 10109,
                    10110, 10149, 10176, 10201, 10225, 20001 and 20035 (track data, PIN
                    data, security codes) become '*' of the same length, in "fields",
                    "files", "steps" snapshots and the requests' "entries" alike (in hex
                    forms the bytes are masked); "ini" and "hostFiles" stay as the
                    host keeps them. "full": everything as it was.
  --keep-host DIR   the host's directory is DIR (emptied first) and stays after the run
exit status: 0 the scenario ran to its end (or matched --expect), 1 the run failed
(a step timed out, the module crashed or hung, bad scenario, no match, or the result
could not be written), 2 bad arguments.

scenario files: regular files of at most 4 MiB (no FIFO, no device); a key repeated
within one object is an error, as is any unknown key, an unknown script operation or
a field number that is not plain decimal digits (" 1003", "+1003", "01003").

scenario keys (unknown keys are errors):
  base                "relative/path.json" (to the scenario's folder): read first, may have a
                      base of its own; the scenario's keys merge over it, objects key by
                      key, lists replaced
  now                 "YYYY-MM-DDTHH:MM:SS": the module's clock at the start; runs on
  host.fields         { "N": "text" }  field N, element 0 (Latin-1; \u0000 is a zero byte)
  host.fieldsHex      { "N": "hex" }
  host.indexed        { "N": ["e0", "e1", ...] }   host.indexedHex  the same in hex
  host.enabledPos     [positions] TransacoesHabilitadasIntPos (absent: all)
  host.enabledTerminal [positions] TransacoesHabilitadas (also needs enabledPos)
  host.compreSaque    [positions] CompreSaqueHabilitado
  host.card           { "emv", "chipContact", "processaChip", "lidoChip": booleans }
  host.permiteAlterarDados  boolean (absent: true)
  host.refuseWrites   [fields] whose writes fail and change nothing
  host.ini            { "File.ini": { "SECTION": { "Key": "value" } } }
  host.files          { "name": "content" } placed in the host's directory; a name may
                      hold sub-folders ("Audit/20261205.aud"), never ".." or a leading "/"
  script              { "Operation": [answer, ...] } one answer per call: a number, a
                      boolean or { "result": ..., out-value: ... }
  acquirer            [reply, ...] one per request: fields, fieldsHex, indexed,
                      indexedHex, clear [fields], responseServices [{letter, text (at
                      most 999 characters)}], noReply true, pendingMs N with interim
                      {reply keys} (see the acquirer's rules below)
  steps               [ { call, handle (0), arg (0), fields, fieldsHex, indexed,
                      indexedHex, script, acquirer, operator: [actions], snapshot } ]
                      call: Initialize Finalize ObtemVersao ExecutaVenda ExecutaFuncaoADM
                      ExecutaPreAutorizacao ExecutaGenerico ExecutaConsultaCheque
                      RealizaConsultaMenuOutros (its label is the runner's; its text is
                      reported as "label" in the step's result)
                      snapshot true (an addition): the step's result also holds
                      fields, fieldsHex and indexed as they are when the call returns
  steps (open)        { open: "FrmName", fields..., script, acquirer, operator, snapshot }
                      runs the module's form by its component name with no parent
                      (Kora41AbreForm: Produto and the reply services refreshed first);
                      reported as { "open": NAME, "modalResult": N }; a form the module
                      does not have fails the run

operator actions, on the active modal window; each waits up to 5000 ms or "timeout":
  {"form": NAME}                 the active modal form has this objectName, or a form of
                                 that name was shown since the previous action (even if
                                 it has closed since)
  {"type": CONTROL, "text": T}   focus the control, type T as key presses
  {"key": K}                     Enter Escape Tab Backspace Up Down F1..F12 or one character,
                                 to the focused control
  {"click": CONTROL}             a mouse click at its centre (visible and enabled)
  {"select": CONTROL, "index": I}  a list (clicked) or combo box (chosen) entry
  {"messageBox": "yes"|"no"|"ok"|"cancel", "contains": TEXT}
  {"wait": MS}  {"shot": NAME}  {"expectClosed": true}
  {"expect": CONTROL, "text": T, "contains": T, "lacks": T, "message": N, "items": [...],
   "enabled": B, "visible": B, "focused": B}   (each key optional) waits until the control
                                 of the topmost open module form (even under a message box)
                                 shows that state. Its text: a label's, button's or group's
                                 caption without "&" markers, an edit's text(), a memo's
                                 lines joined by "\n", a list's entries joined by "\n", a
                                 combo box's current item. "message" N: the text contains
                                 message N of the table ("&" removed); "items": every entry
                                 of a list or combo box, in order; "lacks": the text does not
                                 contain it; "enabled"/"visible": Qt's isEnabled()/isVisible();
                                 "focused": the form's focus widget. On time-out the failure
                                 says what the control showed.
  A call that returns with actions left (other than expectClosed), an action that times
  out, or a form or message box left 5 s with no action to play fails the run; the
  runner closes what is open and says so in "failure".

result keys: ok, failure, steps (call, returned; ObtemVersao: interface, module;
  RealizaConsultaMenuOutros: label; with snapshot: fields, fieldsHex, indexed), fields,
  fieldsHex, indexed (indexedHex when an element holds control bytes), files, requests, errors, messageBoxes (caption, text,
  icon, buttons, answer), forms (name, modalResult), audit, pinpad, calls, ini,
  hostFiles (sub-folders included, "Audit/20261205.aud"), messages, unused (script, acquirer),
  shots (the PNGs written, when any), cardData ("masked" or "full", as --card-data said);
  a request a cancelled pending reply ended carries "cancelled": true; a failed
  PontalGravaArquivo is not in "files" but in "calls" with its status.

gallery: calls the module's Kora41Galeria(DIR), which renders every form to DIR/*.png,
and lists what was written; exit 1 when the module lacks it.

scriptable operations (name: out-values) and the simulated acquirer's rules:
)") + TextoOperacoes();
}

} // namespace hostsim::runner
