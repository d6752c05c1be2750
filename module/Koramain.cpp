#include "Koramain.h"

#include "bromo.h"
#include "pontal.h"
#include "platform.h"

#include <cstring>

QString VERSAO_DO_MODULO;
char TITULO_APLICACAO[129] = {};

namespace {
int g_cargas = 0;

// Kept in the image so that the host's tools can identify the module file.
extern "C" __attribute__((used, visibility("default"))) const char KORA_IDENTIFICACAO[] =
    "\x02<vinfo><id>Kora41</id><name>Modulo Tulen</name><ver>7.0.5.11</ver><distr>Producao</distr>"
    "<plat>Win32</plat><shuf>0</shuf><swseg>0</swseg><id2>Modular</id2></vinfo>\x03";

void _DefineAreaTemporaria_XAP2() {
    volatile char c = KORA_IDENTIFICACAO[0];
    (void)c;
}

void Inicializacao() {
    VERSAO_DO_MODULO = GetBuildInfo(QStringLiteral("Kora41.bpl"));
    Plataforma::GravaIni(QStringLiteral("Modulo.ini"), QStringLiteral("0125"), QStringLiteral("VERSAO"),
                         VERSAO_DO_MODULO);
    GravaCampoString(10263, 0, RemoveFormato(VERSAO_DO_MODULO));
    _DefineAreaTemporaria_XAP2();
}

void Finalizacao() {
    PontalLimpaCampo(10263);
    VERSAO_DO_MODULO.clear();
}
} // namespace

KORA_EXPORT void Initialize() {
    try {
        if (g_cargas++ == 0) Inicializacao();
    } catch (...) {
    }
}

KORA_EXPORT void Finalize() {
    try {
        if (g_cargas > 0 && --g_cargas == 0) Finalizacao();
    } catch (...) {
    }
}

KORA_EXPORT void ObtemVersao(char* versaoInterface, char* versaoModulo) {
    if (versaoInterface) std::strcpy(versaoInterface, "1.0.0.0");
    if (versaoModulo) {
        const QByteArray v = VERSAO_DO_MODULO.toLatin1();
        std::memcpy(versaoModulo, v.constData(), size_t(v.size()) + 1);
    }
}

KORA_EXPORT void ExecutaVenda(uint32_t, int32_t) {}
KORA_EXPORT void ExecutaFuncaoADM(uint32_t, int32_t) {}
KORA_EXPORT void ExecutaPreAutorizacao(uint32_t, int32_t) {}
KORA_EXPORT void ExecutaGenerico(uint32_t, int32_t) {}
KORA_EXPORT void ExecutaConsultaCheque(uint32_t, int32_t) {
    try {
        QString texto;
        LeMensagens(texto, 130);
        EnviaArquivoErroPDV(255, texto);
    } catch (...) {
    }
}
KORA_EXPORT void RealizaConsultaMenuOutros(uint32_t, QLabel*) {}
