// The request descriptor shared by the module and the host's libraries.
// Packed to the host's 408-byte layout: code, flag, 31 entries, one filler.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

#pragma pack(push, 1)
struct TEntradaTransacao {
    uint16_t campo;   // host field number; 0xFFFF ends the list
    uint16_t indice;  // element index
    uint16_t tamanho; // length
    uint16_t formato; // format code
    uint8_t modo;     // how the field enters the request
    // The host's layout keeps a 32-bit text pointer here. On a 64-bit build a
    // pointer does not fit, so the slot holds the signed distance in bytes from
    // the slot itself to a zero-terminated text (0 = no text). The record stays
    // position-independent and keeps its size.
    int32_t texto;
};

struct TTransacao {
    uint16_t codigo;
    uint16_t flag;
    TEntradaTransacao entradas[31];
    uint8_t filler;
};
#pragma pack(pop)

static_assert(sizeof(TEntradaTransacao) == 13, "descriptor entry must stay 13 bytes");
static_assert(sizeof(TTransacao) == 408, "descriptor must stay 408 bytes");

constexpr uint16_t FIM_DESCRITOR = 0xFFFF;
constexpr int MAX_ENTRADAS_DESCRITOR = 31;

// The text of an entry, or nullptr.
inline const char* TextoEntrada(const TEntradaTransacao& e) {
    int32_t rel;
    std::memcpy(&rel, reinterpret_cast<const char*>(&e) + offsetof(TEntradaTransacao, texto), sizeof rel);
    if (rel == 0) return nullptr;
    return reinterpret_cast<const char*>(&e) + offsetof(TEntradaTransacao, texto) + rel;
}

// Points the entry's text slot at `texto` (nullptr clears it).
inline void DefineTextoEntrada(TEntradaTransacao& e, const char* texto) {
    int32_t rel = 0;
    if (texto) {
        auto slot = reinterpret_cast<const char*>(&e) + offsetof(TEntradaTransacao, texto);
        rel = static_cast<int32_t>(texto - slot);
    }
    std::memcpy(reinterpret_cast<char*>(&e) + offsetof(TEntradaTransacao, texto), &rel, sizeof rel);
}
