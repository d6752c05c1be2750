// Entry unit of the module: the C interface the host loads, start-up and
// shut-down.
#pragma once
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

// Number of package loads not yet matched by an unload.
int CargasModulo();

// ---- Development entry points -------------------------------------------------------
// Not part of the host's interface: the simulated host's gallery and `open`
// step reach the module's forms through these.
// Saves DIR/<name>.png of every form; the number saved, -1 when DIR is unusable.
KORA_EXPORT int Kora41Galeria(const char* dir);
// Runs the form whose component name is `nome` ("FrmCnc_Mnu") as an entry
// point would, with no parent, after refreshing the product and the reply
// services; its modal result, or -1 when the module has no such form.
KORA_EXPORT int Kora41AbreForm(const char* nome);
