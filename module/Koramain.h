// Entry unit of the module: exports, start-up and module-wide state.
#pragma once
#include <QString>
#include <cstdint>

#define KORA_EXPORT extern "C" __attribute__((visibility("default")))

class QLabel;

KORA_EXPORT void Initialize();
KORA_EXPORT void Finalize();
KORA_EXPORT void ObtemVersao(char* versaoInterface, char* versaoModulo);
KORA_EXPORT void ExecutaVenda(uint32_t Handle, int32_t Modo);
KORA_EXPORT void ExecutaFuncaoADM(uint32_t Handle, int32_t Funcao);
KORA_EXPORT void ExecutaPreAutorizacao(uint32_t Handle, int32_t Modo);
KORA_EXPORT void ExecutaGenerico(uint32_t Handle, int32_t Funcao);
KORA_EXPORT void ExecutaConsultaCheque(uint32_t Handle, int32_t Modo);
KORA_EXPORT void RealizaConsultaMenuOutros(uint32_t Handle, QLabel* Mensagem);

extern QString VERSAO_DO_MODULO;
extern char TITULO_APLICACAO[129];
