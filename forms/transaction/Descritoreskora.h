// The module's request descriptors: one TTransacao per request kind, filled
// at load time (texts are self-relative, see transacao.h), and the module
// variables some of them send. Descriptors are writable: the forms switch the
// variable entries on and off through their length.
#pragma once
#include "transacao.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <vector>

extern TTransacao TrnCompraCredito;
extern TTransacao TrnSimulacaoCrediarioCRD;
extern TTransacao TrnBaixaTecnica;
extern TTransacao TrnConsultaMenuOutros;
extern TTransacao TrnConsultaConversaoMoeda;
extern TTransacao TrnDebito;
extern TTransacao TrnDebitoParcelado;
extern TTransacao TrnCancelamento;
extern TTransacao TrnConsultaCredito;
extern TTransacao TrnConsultaAVS;
extern TTransacao TrnCompraPrivateLabel;
extern TTransacao TrnConsultaCDC;
extern TTransacao TrnConfirmacaoPreAut;
extern TTransacao TrnPreAutorizacaoCredito;
extern TTransacao TrnReimpressaoKora;
extern TTransacao TrnConsultaCodBarras;
extern TTransacao TrnPagamentoConta;
extern TTransacao TrnPagtoFaturaPrivateLabel;
extern TTransacao TrnConfResgatePromocional;
extern TTransacao TrnResgatePromocional;
extern TTransacao TrnConsultaSaldo;
extern TTransacao TrnAtualizaChip;
extern TTransacao TrnAutoCapturaEstendida;
extern TTransacao TrnVendaCD;
extern TTransacao TrnCancelamentoCD;
extern TTransacao TrnDebParcComEntrada;

// Module variables sent by descriptors, zero-terminated, in the units that own
// them.
constexpr size_t TAM_DATA_PRE_CDC = 13;
constexpr size_t TAM_DATA_CANCELAMENTO = 13;
constexpr size_t TAM_COMPLEMENTO = 16; // "027:" + 5 characters
constexpr size_t TAM_BLOCO = 16;       // "028:" + 2 characters
namespace Debitotrnkora {
extern char pDataPreCDC[TAM_DATA_PRE_CDC];
}
namespace Cancelamentotrnkora {
extern char pDataPreCDC[TAM_DATA_PRE_CDC];
extern char DataCancelamento[TAM_DATA_CANCELAMENTO];
} // namespace Cancelamentotrnkora
namespace Consavskora {
extern char Complemento[TAM_COMPLEMENTO];
extern char Bloco[TAM_BLOCO];
} // namespace Consavskora

// (Re)builds every descriptor as stored: texts pointed at, run-time lengths 0.
// Runs once when the library loads.
void MontaDescritores();

// The entry of `t` that sends module variable `variavel`; nullptr when none.
TEntradaTransacao* EntradaVariavel(TTransacao& t, const char* variavel);
// Sets how many bytes of `variavel` the descriptor sends (0 = none). False when
// the descriptor does not send that variable.
bool DefineTamanhoVariavel(TTransacao& t, const char* variavel, uint16_t tamanho);
uint16_t TamanhoVariavel(const TTransacao& t, const char* variavel);
// Copies `texto` into a variable of `capacidade` bytes, zero-filled and always
// terminated (a longer text is cut).
void DefineTextoVariavel(char* variavel, size_t capacidade, const QByteArray& texto);

// Debit start: no pre-dated date (variable zeroed, TrnDebito's entry length 0).
void LimpaDataPreCDCDebito();
// Pre-dated and issuer-instalment debits: "019:"/"016:" + YYYYMMDD, sent with TrnDebito.
void DefineDataPreCDCDebito(const QByteArray& texto);
// Cancellation start: both cancellation variables zeroed, TrnCancelamento's
// pDataPreCDC entry length 0.
void LimpaVariaveisCancelamento();
void DefineDataCancelamento(const QByteArray& texto);
// No-log cancellations of pre-dated and CDC debits.
void DefineDataPreCDCCancelamento(const QByteArray& texto);
void DefineComplementoBloco(const QByteArray& complemento, const QByteArray& bloco);

// ---- Reading descriptors -------------------------------------------------------
struct TEntradaLida {
    uint16_t campo = 0, indice = 0, tamanho = 0, formato = 0;
    uint8_t modo = 0;
    int32_t deslocamento = 0; // raw text slot
    bool temTexto = false;    // the slot points at a text
    bool textoLido = false;   // ... and the text could be read
    QByteArray texto;
};
struct TDescritorLido {
    bool ok = false; // the header and every listed entry fitted
    uint16_t codigo = 0, flag = 0;
    bool terminado = false; // ended by the 0xFFFF marker (else by 31 entries or the bytes' end)
    std::vector<TEntradaLida> entradas;
};
// Reads a descriptor image of `tamanho` bytes. Texts are resolved only when the
// slot points inside the same bytes and the text ends there.
TDescritorLido LeDescritor(const unsigned char* bytes, size_t tamanho);
// Reads a live descriptor, texts resolved through their slots.
TDescritorLido LeDescritor(const TTransacao& t);

struct TDescritorNomeado {
    const char* nome;
    TTransacao* descritor;
};
// Every descriptor with its name, in declaration order.
const std::vector<TDescritorNomeado>& TodosDescritores();
