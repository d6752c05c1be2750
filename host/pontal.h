// Terminal-interface library of the host, as the module sees it.
// A plain C ABI: fields are raw bytes with explicit lengths; texts are Latin-1.
#pragma once
#include <cstdint>

#if defined(_WIN32)
#define PONTAL_API __declspec(dllimport)
#else
#define PONTAL_API __attribute__((visibility("default")))
#endif

extern "C" {

// Reads field `campo` at element `indice`. On entry *tamanho is the capacity
// of `buffer`; on return it holds the number of bytes copied. Returns 0 when
// the field exists (possibly empty), non-zero when it does not or on bad
// arguments. Never writes more than the capacity; a longer field is cut.
PONTAL_API int16_t PontalLeCampo(uint16_t campo, uint16_t indice, int32_t* tamanho, unsigned char* buffer);

// Stores exactly `tamanho` bytes (zero bytes included). 0 = written;
// non-zero when the host refuses writes to the field (nothing changes) or on
// bad arguments.
PONTAL_API int16_t PontalGravaCampo(uint16_t campo, uint16_t indice, const unsigned char* dados, int32_t tamanho);

// Every element of the field becomes empty (absent).
PONTAL_API int16_t PontalLimpaCampo(uint16_t campo);

// Stores a snapshot of the current fields in the host's transaction file,
// durably, before returning. 0 = stored. The file never holds track data,
// PIN data, security codes or a full card number.
PONTAL_API int16_t PontalGravaArquivo(void);

// Sends the request that `descritor` (a TTransacao, see transacao.h)
// describes and leaves the reply in the field store. 0 = a reply came;
// non-zero = none came (1009, 1027, 20013, 20017 are left empty).
PONTAL_API int16_t PontalEnviarMensagem(const void* descritor);

// Sends the host's finalization (confirmation 1, undo 0) of the current
// transaction.
PONTAL_API int16_t PontalEnviarFinalizacaoEx(int32_t confirma);

PONTAL_API int16_t PontalIniciaTransacao(void);
PONTAL_API int16_t PontalLimpaUltimaTrn(void);
PONTAL_API int16_t PontalCapturaCodigoEmpresa(void);

// Appends one timestamped line to the host's audit trail. `nivel` is 0;
// `tamanho` is the number of bytes of `texto` to use (-1: up to the NUL).
// The trail keeps one line per call, with anything that looks like a card
// number masked to its first six and last four digits. 0 = written.
PONTAL_API int16_t GravaAudit(int32_t nivel, const char* texto, int32_t tamanho);
}
