// The pinpad's tagged chip data ("006:Y3\0002:...\0"): the tag search of the
// base form, with stated lengths that may lie about the buffer.
#include "Camposkora.h"
#include "framework/Modelokora.h"
#include "hostfuzz.h"

#include <QApplication>
#include <cstring>

using FuzzHost::Exige;

namespace {
TFrmMod* Form() {
    static int argc = 1;
    static char nome[] = "fuzz_procuracampo";
    static char* argv[] = {nome, nullptr};
    static QApplication* app = [] {
        FuzzHost::Prepara();
        return new QApplication(argc, argv);
    }();
    // Both live for the whole process (still reachable, not leaked).
    static TFrmMod* f = TFrmMod::Cria();
    (void)app;
    return f;
}

// The value must be bytes of the data after the key, without a zero byte.
void ConfereValor(uint16_t campo, const uint8_t* d, size_t n) {
    if (!FuzzHost::Existe(campo)) return;
    const QByteArray v = FuzzHost::Le(campo);
    Exige(!v.contains('\0'), "value runs over its terminator");
    const QByteArray dados(reinterpret_cast<const char*>(d), qsizetype(n));
    Exige(dados.contains(v), "value not taken from the data");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    if (n < 2) return 0;
    TFrmMod* f = Form();
    FuzzHost::Reinicia();
    static const char* chaves[] = {"006:", "002:", "003:"};
    const char* chave = chaves[d[0] % 3];
    // The stated length: the buffer's, or one that lies in either direction.
    const int tamanho = d[1] < 200 ? int(n - 2) : d[1] < 230 ? int(n - 2) + d[1] * 8 : -int(d[1]);
    const uint8_t* dados = d + 2;
    const size_t tam = n - 2;
    f->ProcuraCampo(chave, dados, tamanho, int(tam));
    ConfereValor(CAMPO_RESPOSTA_CHIP, dados, tam);
    ConfereValor(CAMPO_TAG_002, dados, tam);
    if (std::strcmp(chave, "003:") == 0)
        Exige(!FuzzHost::Existe(CAMPO_RESPOSTA_CHIP) && !FuzzHost::Existe(CAMPO_TAG_002), "other key wrote a field");
    return 0;
}
