// The simulated line's request format: whatever bytes arrive, the decoder
// stays inside them, and what it accepts encodes back to the same bytes.
#include "hostfuzz.h"
#include "hostlib.h"

using FuzzHost::Exige;

namespace {
bool Iguais(const hostsim::Requisicao& a, const hostsim::Requisicao& b) {
    if (a.codigo != b.codigo || a.flag != b.flag || a.entradas.size() != b.entradas.size()) return false;
    for (size_t i = 0; i < a.entradas.size(); ++i) {
        const auto &x = a.entradas[i], &y = b.entradas[i];
        if (x.campo != y.campo || x.indice != y.indice || x.formato != y.formato || x.modo != y.modo ||
            x.tag != y.tag || x.valor != y.valor)
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    const QByteArray bytes(reinterpret_cast<const char*>(d), qsizetype(n));
    const auto r = hostsim::DecodificaRequisicao(bytes);
    if (!r) return 0;
    Exige(r->entradas.size() <= 31, "more than 31 entries accepted");
    const QByteArray de_novo = hostsim::CodificaRequisicao(*r);
    const auto r2 = hostsim::DecodificaRequisicao(de_novo);
    Exige(r2.has_value(), "an accepted request does not decode after encoding");
    Exige(Iguais(*r, *r2), "encoding changed an accepted request");
    return 0;
}
