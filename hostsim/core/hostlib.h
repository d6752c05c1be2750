// Services of the simulated host's core shared by its five libraries: the
// scripted answers, the message table, the host's files and the acquirer.
// The libraries call these rather than each other's exported operations, so
// a test program that interposes one operation does not change the others.
#pragma once
#include "campos.h"
#include "transacao.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <optional>
#include <vector>

namespace hostsim {

// ---- Scripted answers ------------------------------------------------------
// The next scripted answer of `operacao`, always as an object: a bare
// integer or boolean becomes {"result": value}. An answer may also carry
// "fields", "fieldsHex", "indexed", "indexedHex" and "clear", written into
// the field store as it is consumed.
HOSTSIM_API std::optional<QJsonObject> ProximaResposta(const QString& operacao);
// The integer result of the next answer, or `padrao` without one; the
// answer's out-values land in *saidas when given.
HOSTSIM_API int RespostaInt(const QString& operacao, int padrao, QJsonObject* saidas = nullptr);
HOSTSIM_API bool RespostaBool(const QString& operacao, bool padrao, QJsonObject* saidas = nullptr);
// An out-value as bytes: key (Latin-1 text) or key + "Hex"; absent = empty.
HOSTSIM_API QByteArray SaidaBytes(const QJsonObject& saidas, const QString& chave);

// ---- Message table -----------------------------------------------------------
// The text of message `numero`, "<mensagem N>" when the table lacks it.
HOSTSIM_API QString TextoMensagem(int numero);
// Where the table is read from: $TULEN_MENSAGENS, else mensagens.txt beside
// the simulated host's core library.
HOSTSIM_API QString ArquivoMensagens();
// Forgets the loaded table (the next lookup reads the file again).
HOSTSIM_API void RecarregaMensagens();

// ---- Host files --------------------------------------------------------------
// Stores the masked snapshot in Transacoes.db of the host directory, one
// durable transaction per call. 0 = stored.
HOSTSIM_API int GravaTransacao(const CamposHost& campos);
// Appends a timestamped, masked line to Audit/yyyymmdd.aud.
HOSTSIM_API bool GravaLinhaAudit(const QByteArray& texto);
// Appends a timestamped, masked line to BiblPinPad.yyyymmdd.dmp.
HOSTSIM_API void GravaLogPinpad(const QString& linha);

// ---- Acquirer ------------------------------------------------------------------
struct EntradaRequisicao {
    uint16_t campo = 0, indice = 0, tamanho = 0, formato = 0;
    uint8_t modo = 0;
    QByteArray tag, valor;
};
struct Requisicao {
    uint16_t codigo = 0, flag = 0;
    std::vector<EntradaRequisicao> entradas;
};
// Reads the descriptor's entries up to the end marker or 31 entries, with
// their values taken from the store (or the literal / module variable).
HOSTSIM_API Requisicao MontaRequisicao(const TTransacao& descritor, const CamposHost& campos);
// The request's bytes on the simulated line (see ACQUIRER.md), and back.
HOSTSIM_API QByteArray CodificaRequisicao(const Requisicao& r);
HOSTSIM_API std::optional<Requisicao> DecodificaRequisicao(const QByteArray& bytes);
// Sends the request of `descritor`: records it in the journal under `via`,
// applies the queued or the built-in reply. 0 = a reply came.
HOSTSIM_API int EnviaAoAdquirente(const void* descritor, const QString& via, int modo);
// Writes the reply services as field 20026 holds them.
HOSTSIM_API QByteArray CodificaServicos(const QJsonArray& servicos, QString* erro = nullptr);
// Looks for service `letra` whose text starts with `codigo` in a services
// record; the whole text (code included) when found.
HOSTSIM_API std::optional<QByteArray> LocalizaServico(const QByteArray& registro, char letra, const QByteArray& codigo);
// The record without that service; nullopt when it was not there.
HOSTSIM_API std::optional<QByteArray> RemoveServico(const QByteArray& registro, char letra, const QByteArray& codigo);

// ---- Currency conversion rules (the offer of reply service Q096) ------------------
// 0 when the reply at hand holds a usable offer, else 1.
HOSTSIM_API int RegraRespostaServicoQ096(int modo);
// Shows the offer to the customer at the pinpad; false when there is none.
HOSTSIM_API bool RegraConfirmacaoMoedaCliente();
// Rewrites the sale's currency fields for the customer's answer; 0 = done.
HOSTSIM_API int RegraAtualizaDadosTrxMoedaSelecionada(int resposta, int modo);
} // namespace hostsim
