// Gallery of the module's forms: each form unit registers a factory that
// builds its form with typical data; Kora41Galeria shows each one and saves
// a picture of it.
#pragma once
#include <QDialog>
#include <QStringList>
#include <functional>

#define KORA_GALERIA_API __attribute__((visibility("default")))

using FabricaFormGaleria = std::function<QDialog*()>;

// Adds a form to the gallery under `nome` (the file name of its picture).
KORA_GALERIA_API void RegistraFormGaleria(const char* nome, FabricaFormGaleria fabrica);
// Names registered so far, in registration order.
KORA_GALERIA_API QStringList FormsGaleria();

// Static registration in a form's unit:
//   KORA_REGISTRA_GALERIA(FrmVis_Deb, [] { ...; return form; })
#define KORA_REGISTRA_GALERIA(nome, ...)                                                             \
    namespace {                                                                                      \
    const bool kora_galeria_##nome = (RegistraFormGaleria(#nome, __VA_ARGS__), true);                \
    }

// Shows each registered form, saves DIR/<name>.png and frees it; returns the
// number of pictures saved (-1 when DIR cannot be used).
extern "C" KORA_GALERIA_API int Kora41Galeria(const char* dir);
