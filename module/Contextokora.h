// What every form needs of the module: host texts and messages, the audit
// trail, the application title, the module version and the way a form is
// run. Depends on host/ and platform/ only, so forms may include it freely.
#pragma once
#include <QDialog>
#include <QString>
#include <fmt/printf.h>
#include <string>

// Version text of the module file, read at start-up ("" before Initialize).
extern QString VERSAO_DO_MODULO;
// Caption of every message box the module raises, Latin-1, zero-terminated.
extern char TITULO_APLICACAO[129];
// Replaces TITULO_APLICACAO, cut to its capacity.
void DefineTituloAplicacao(const QString& titulo);
// The module's file name as its audit lines give it.
inline constexpr char NOME_MODULO[] = "Kora41.bpl";

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
QString Mensagem(int numero);
// One line in the host's audit trail.
void Audita(const QString& linha);
// Reports a request the module refuses: EnviaArquivoErroPDV(255, message `numero`).
void RecusaRequisicao(int numero);
// Drops blanks and control characters (zero bytes of a host buffer) at both ends.
QString Apara(const QString& texto);

// ---- Running forms ---------------------------------------------------------------
// Shows a created form modally and applies its result, which it returns: with
// a parent, OK (1) closes the parent too, anything else gives it the focus
// back; without one, Cancel (2) stores the host's file and clears field 10216.
int ExecutaFormModal(QDialog* pai, QDialog* form);

// Frees the form that `var` holds and empties `var` when the scope ends, so a
// unit's form variable never outlives the run it was made for.
template <class T> struct LiberaForm {
    T*& var;
    explicit LiberaForm(T*& v) : var(v) {}
    LiberaForm(const LiberaForm&) = delete;
    LiberaForm& operator=(const LiberaForm&) = delete;
    ~LiberaForm() {
        delete var;
        var = nullptr;
    }
};

// Creates the form (unless `var` already holds one) with T::Cria(), runs it,
// frees it and empties `var`. False only when no form could be created;
// `resultado`, when given, receives the form's modal result.
template <class T> bool CriaExecutaForm(QDialog* pai, T*& var, int* resultado = nullptr) {
    if (!var) var = T::Cria();
    if (!var) return false;
    const LiberaForm<T> libera{var};
    const int r = ExecutaFormModal(pai, var);
    if (resultado) *resultado = r;
    return true;
}

// Message 802 with the form's name, in a top-most exclamation box.
void ReportaFormNaoCriado(const char* nomeForm);

// What an entry point does with a form: run it, or say it could not be made.
template <class T> void ExecutaForm(T*& var, const char* nomeForm) {
    if (!CriaExecutaForm<T>(nullptr, var)) ReportaFormNaoCriado(nomeForm);
}
