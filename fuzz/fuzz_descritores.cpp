// Request descriptors read from raw images: the byte reader must stay inside
// the image, and over a record whose texts lie inside it the live reader
// must see exactly what the byte reader sees.
#include "hostfuzz.h"
#include "transaction/Descritoreskora.h"

#include <algorithm>
#include <cstring>

using FuzzHost::Exige;

namespace {
// Keeps only the text slots that point at a terminated text inside the record.
void SoTextosInternos(TTransacao& t) {
    auto* base = reinterpret_cast<const unsigned char*>(&t);
    for (auto& e : t.entradas) {
        const auto* slot = reinterpret_cast<const unsigned char*>(&e) + offsetof(TEntradaTransacao, texto);
        int32_t rel;
        std::memcpy(&rel, slot, sizeof rel);
        const int64_t alvo = int64_t(slot - base) + rel;
        const bool dentro = rel != 0 && alvo >= 0 && alvo < int64_t(sizeof t) &&
                            std::memchr(base + alvo, 0, sizeof t - size_t(alvo)) != nullptr;
        if (!dentro) DefineTextoEntrada(e, nullptr);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    const TDescritorLido bruto = LeDescritor(d, n);
    Exige(bruto.entradas.size() <= size_t(MAX_ENTRADAS_DESCRITOR), "more entries than the record holds");
    Exige(!bruto.ok || n >= 4 + bruto.entradas.size() * sizeof(TEntradaTransacao), "read past the image");
    for (const auto& e : bruto.entradas) {
        Exige(e.campo != FIM_DESCRITOR, "end marker returned as an entry");
        Exige(!e.textoLido || e.temTexto, "text read from an empty slot");
    }

    TTransacao t;
    std::memset(&t, 0, sizeof t);
    std::memcpy(&t, d, std::min(n, sizeof t));
    SoTextosInternos(t);
    const TDescritorLido vivo = LeDescritor(t);
    const TDescritorLido imagem = LeDescritor(reinterpret_cast<const unsigned char*>(&t), sizeof t);
    Exige(vivo.entradas.size() == imagem.entradas.size(), "live and image readers disagree on entries");
    Exige(vivo.terminado == imagem.terminado && vivo.codigo == imagem.codigo && vivo.flag == imagem.flag,
          "live and image readers disagree on the header");
    for (size_t i = 0; i < vivo.entradas.size(); ++i) {
        const auto &a = vivo.entradas[i], &b = imagem.entradas[i];
        Exige(a.campo == b.campo && a.indice == b.indice && a.tamanho == b.tamanho && a.modo == b.modo,
              "live and image readers disagree on an entry");
        Exige(a.temTexto == b.temTexto && (!b.textoLido || a.texto == b.texto), "texts differ");
    }

    // Module variables are always left terminated, whatever the text.
    char variavel[TAM_DATA_PRE_CDC];
    const size_t corte = std::min<size_t>(n, 40);
    DefineTextoVariavel(variavel, sizeof variavel, QByteArray(reinterpret_cast<const char*>(d), qsizetype(corte)));
    Exige(std::memchr(variavel, 0, sizeof variavel) != nullptr, "variable not terminated");
    return 0;
}
