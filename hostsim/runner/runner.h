// The scenario runner of hostsim: reads a scenario, drives the module through
// its exported functions and builds the result document.
#pragma once
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

namespace hostsim::runner {

struct Opcoes {
    QString cenario, modulo, saida, shots, expect;
    QString guardaHost; // the host's directory goes here and stays (empty: a temporary one)
    bool resumo = false, janela = false;
    bool cartaoCompleto = false; // --card-data full
    int vigiaSegundos = 60;      // a call that makes no progress this long is killed
    // Filled by the isolated run: where the child keeps its latest result and
    // the pipe on which it signals that its event loop is alive.
    QString parcial;
    int batimento = -1;
};

// True when `real` holds `esperado`: objects key by key (a null expected value
// means the key is absent), arrays element-wise as a prefix, or exactly when
// written as { "$exact": [...] }; scalars by equality. `onde` names the mismatch.
bool Contem(const QJsonValue& esperado, const QJsonValue& real, QString& onde, const QString& caminho = "$");
// The check of --expect: a document that does not name "ok" expects a run
// that reached its end.
bool ConfereEsperado(const QJsonObject& esperado, const QJsonObject& resultado, QString& onde);

// Checks a scenario document against the runner's keys; empty when valid.
QString ValidaCenario(const QJsonObject& cenario);

// What the child says it is doing while it loads the module.
constexpr const char* kCarregando = "loading the module (dlopen)";

// Largest scenario (or base, or expected) file read; anything but a regular file is refused.
constexpr qint64 kMaxCenario = 4 << 20;
// A JSON file of at most kMaxCenario bytes whose objects repeat no key.
QString LeJsonLimitado(const QString& caminho, QJsonObject& saida);
// The first key repeated within one object of `json`, described; empty when none.
QString ChaveRepetida(const QByteArray& json);
// A scenario file with its "base" files merged under it (objects key by key,
// lists replaced); not yet validated.
QString LeCenario(const QString& caminho, QJsonObject& saida);

// Runs the scenario in this process (an application object is created when
// there is none); fills `resultado`; returns the exit status (0 or 1).
int Executa(const Opcoes& opcoes, QJsonObject& resultado);
// Runs it in a child process so that a crash or a hang of the module still
// gives a result; returns the exit status (0 or 1).
int ExecutaIsolado(const Opcoes& opcoes, QJsonObject& resultado);

// `hostsim run`: the isolated run, then --out, --expect and --summary.
int Run(const Opcoes& opcoes);
// `hostsim gallery DIR`.
int Galeria(const QString& modulo, const QString& dir);

// Short human summary of a result.
QString Resumo(const QJsonObject& resultado, const QString& shots);
QString Ajuda();
QString ModuloPadrao();

} // namespace hostsim::runner
