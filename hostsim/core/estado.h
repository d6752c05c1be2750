// State of the simulated host shared by its five libraries and the runner:
// the field store, the scenario's configuration and scripts, and the journal
// of everything the module did that the result reports.
#pragma once
#include "campos.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>
#include <set>

namespace hostsim {

// Queues of scripted answers, one queue per host operation name.
class HOSTSIM_API Roteiro {
public:
    void acrescenta(const QString& operacao, const QJsonArray& respostas);
    // Pops the next answer for `operacao`, if any.
    std::optional<QJsonValue> proxima(const QString& operacao);
    // What nothing consumed: { "op": [answers...] } for non-empty queues.
    QJsonObject naoUsadas() const;
    void limpa() { filas_.clear(); }

private:
    QMap<QString, QList<QJsonValue>> filas_;
};

struct HOSTSIM_API Estado {
    CamposHost campos;

    // Scenario configuration (absent lists = everything enabled).
    std::optional<std::set<int>> posicoesPdv, posicoesTerminal, compreSaque;
    bool cartaoEmv = false, cartaoChipContato = false, cartaoProcessaChip = false, cartaoLidoChip = false;
    bool permiteAlterarDados = true;
    std::set<int> camposRecusados; // writes to these fail and change nothing

    Roteiro roteiro;
    QList<QJsonObject> respostasAdquirente; // replies queued for the acquirer

    // Journal, reported by the runner under the same names.
    QJsonArray arquivos;               // "files": one snapshot per PontalGravaArquivo
    QJsonArray requisicoes;            // "requests"
    QJsonArray erros;                  // "errors"
    QJsonArray audit;                  // "audit": the module's lines, in order
    QJsonArray pinpad;                 // "pinpad"
    QJsonArray chamadas;               // "calls"
    QMap<int, QString> mensagensLidas; // "messages"

    // Requests the built-in acquirer approved, for its NSU and authorization codes.
    uint32_t sequenciaAdquirente = 0;

    // Back to a fresh host (the host directory is set by the runner).
    void reinicia();
};

HOSTSIM_API Estado& estado();

// Snapshot of the field store in the result's form:
// { "fields": {...}, "fieldsHex": {...}, "indexed": {...} }.
HOSTSIM_API QJsonObject FotografiaCampos(const CamposHost& campos, bool mascarado = false);

// JSON string -> Latin-1 bytes; false when a character is outside Latin-1.
HOSTSIM_API bool TextoParaLatin1(const QString& texto, QByteArray& saida);
// Hex text -> bytes; false on odd length or a non-hex digit.
HOSTSIM_API bool HexParaBytes(const QString& hexa, QByteArray& saida);

// Applies "fields", "fieldsHex", "indexed", "indexedHex" and "clear" of a
// scenario object to the store. Unknown keys are left to the caller. On a
// bad value returns false with a reason in `erro`.
HOSTSIM_API bool AplicaCampos(const QJsonObject& objeto, CamposHost& campos, QString& erro);

// Records a call of the journal's "calls" list.
HOSTSIM_API void RegistraChamada(const QString& operacao, const QJsonArray& argumentos = {});

// For `hostsim run --help`: every scriptable operation with its out-values,
// and the rules the acquirer follows when no reply is queued.
HOSTSIM_API QString AjudaOperacoes();
// The names "script" accepts: every operation whose answer can be scripted.
HOSTSIM_API const QStringList& OperacoesRoteirizaveis();
HOSTSIM_API QString RegrasAdquirente();

} // namespace hostsim
