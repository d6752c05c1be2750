// Small stand-in for the desktop services the forms expect: the application
// handle, message processing, message boxes, profile (ini) files, file copy,
// the host's directory and the clock the module sees.
#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>

class QWidget;

#define TULEN_PLATFORM_API __attribute__((visibility("default")))

namespace Plataforma {

// ---- Application handle --------------------------------------------------
// The window handle that owns the module's dialogs. The host passes its own
// to each entry point; the entry point restores the previous one on return.
TULEN_PLATFORM_API uintptr_t HandleAplicacao();
TULEN_PLATFORM_API void DefineHandleAplicacao(uintptr_t handle);
// Creates the application object when the host has none; true when created here.
TULEN_PLATFORM_API bool GaranteAplicacao();
TULEN_PLATFORM_API void ProcessMessages();

// ---- Message boxes ---------------------------------------------------------
enum class Icone { Nenhum, Informacao, Exclamacao, Erro, Pergunta };
enum Botoes : int { MB_OK = 0, MB_OKCANCEL = 1, MB_YESNO = 4 };
enum Resposta : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };
// A modal, top-most box; returns the button pressed.
TULEN_PLATFORM_API int MessageBox(const QString& texto, const QString& titulo, int botoes, Icone icone,
                                  QWidget* pai = nullptr);

// ---- Profile (ini) files, with the host's semantics ------------------------
// Sections and keys are case-insensitive; values keep their text; a missing
// file, section or key gives the default. Writing creates the file.
TULEN_PLATFORM_API QString LeIni(const QString& arquivo, const QString& secao, const QString& chave,
                                 const QString& padrao = {});
// One reading of a file, for callers that look up several keys at once.
class TULEN_PLATFORM_API RetratoIni {
public:
    explicit RetratoIni(const QString& arquivo);
    QString le(const QString& secao, const QString& chave, const QString& padrao = {}) const;

private:
    QStringList linhas_;
};
TULEN_PLATFORM_API int LeIniInt(const QString& arquivo, const QString& secao, const QString& chave, int padrao);
// A key that already holds `valor` leaves the file as it is.
TULEN_PLATFORM_API bool GravaIni(const QString& arquivo, const QString& secao, const QString& chave,
                                 const QString& valor);

// ---- Files ------------------------------------------------------------------
// Copies `origem` to `destino`; with `falhaSeExiste` an existing target is kept.
TULEN_PLATFORM_API bool CopiaArquivo(const QString& origem, const QString& destino, bool falhaSeExiste);
// The host's directory, with a trailing separator. Defaults to the process's
// working directory; the environment variable TULEN_HOST_DIR overrides it.
TULEN_PLATFORM_API QString DiretorioHost();
TULEN_PLATFORM_API void DefineDiretorioHost(const QString& dir);

// ---- Clock ------------------------------------------------------------------
// The date and time the module sees (the host may set it for a scripted run).
TULEN_PLATFORM_API QDateTime Agora();
TULEN_PLATFORM_API void DefineAgora(const QDateTime& instante); // invalid = real clock

} // namespace Plataforma
