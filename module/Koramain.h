// Entry unit of the module: exports, start-up and shut-down, module-wide
// state, the way every form is run, and the request dispatch.
#pragma once
#include "Constanteskora.h"
#include "Servicoskora.h"

#include <QDialog>
#include <QString>
#include <cstdint>
#include <fmt/printf.h>
#include <string>

#define KORA_EXPORT extern "C" __attribute__((visibility("default")))
#define KORA_API __attribute__((visibility("default")))

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

extern KORA_API QString VERSAO_DO_MODULO;
extern KORA_API char TITULO_APLICACAO[129];

// Number of package loads not yet matched by an unload.
KORA_API int CargasModulo();

// ---- Texts ---------------------------------------------------------------------
namespace KoraTexto {
inline std::string Arg(const QString& s) { return s.toLatin1().toStdString(); }
inline std::string Arg(const QByteArray& s) { return s.toStdString(); }
inline std::string Arg(const char* s) { return s ? s : ""; }
inline int Arg(int v) { return v; }
} // namespace KoraTexto

// Fills the %s/%d of a host text. The text only ever acts as data: a text the
// arguments do not fit comes back unfilled.
template <class... A> QString FormataMensagem(const QString& formato, const A&... args) {
    const std::string f = formato.toLatin1().toStdString();
    try {
        const std::string r = fmt::sprintf(f, KoraTexto::Arg(args)...);
        return QString::fromLatin1(r.data(), qsizetype(r.size()));
    } catch (...) {
        return formato;
    }
}
// Text of host message `numero`.
KORA_API QString Mensagem(int numero);
// One line in the host's audit trail.
KORA_API void Audita(const QString& linha);
// Reports a request the module refuses: EnviaArquivoErroPDV(255, message `numero`).
KORA_API void RecusaRequisicao(int numero);

// ---- Running forms ---------------------------------------------------------------
// Shows a created form modally and applies its result: with a parent, OK (1)
// closes the parent too, anything else gives it the focus back; without one,
// Cancel (2) stores the host's file and clears field 10216.
KORA_API void ExecutaFormModal(QDialog* pai, QDialog* form);

// Creates the form (unless `var` already holds one) with T::Cria(), runs it,
// frees it and empties `var`. False only when no form could be created.
template <class T> bool CriaExecutaForm(QDialog* pai, T*& var) {
    if (!var) var = T::Cria();
    if (!var) return false;
    struct Libera {
        T*& v;
        ~Libera() {
            delete v;
            v = nullptr;
        }
    } libera{var};
    ExecutaFormModal(pai, var);
    return true;
}

// Message 802 with the form's name, in a top-most exclamation box.
KORA_API void ReportaFormNaoCriado(const char* nomeForm);

// What an entry point does with a form: run it, or say it could not be made.
template <class T> void ExecutaForm(T*& var, const char* nomeForm) {
    if (!CriaExecutaForm<T>(nullptr, var)) ReportaFormNaoCriado(nomeForm);
}

// ---- Checks before a form ---------------------------------------------------------
KORA_API bool VerificaVersaoAplicacaoTulen();
KORA_API bool CapturaDadosCartaoAuto();
KORA_API bool bCancelamentoDCCHabilitado();

// The pinpad's answer for tag DF70: a count (3 digits, above 6 to be usable),
// the value's length in bytes (2 hex digits at the 8th character) and the
// value in hex from the 10th. False for an unusable or truncated answer;
// `valor` stays empty when the tag has no value.
KORA_API bool DecodificaDF70(const QByteArray& resposta, QByteArray& valor);

// ---- Texts ---------------------------------------------------------------------
// Drops blanks and control characters (zero bytes of a host buffer) at both ends.
KORA_API QString Apara(const QString& texto);
