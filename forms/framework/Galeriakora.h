// Registry of the module's forms by component name: each form unit registers
// a factory that builds its form with typical data for the gallery
// (GeraGaleria shows each one and saves a picture of it), and a runner for
// the development entry that opens any form by name.
#pragma once
#include "Contextokora.h"

#include <QDialog>
#include <QStringList>
#include <functional>

using FabricaFormGaleria = std::function<QDialog*()>;

// Adds a form to the gallery under `nome` (the file name of its picture).
void RegistraFormGaleria(const char* nome, FabricaFormGaleria fabrica);
// Names registered so far, in registration order.
QStringList FormsGaleria();

// Static registration in a form's unit:
//   KORA_REGISTRA_GALERIA(FrmVis_Deb, [] { ...; return form; })
#define KORA_REGISTRA_GALERIA(nome, ...)                                                                               \
    namespace {                                                                                                        \
    const bool kora_galeria_##nome = (RegistraFormGaleria(#nome, __VA_ARGS__), true);                                  \
    }

// Makes `nome` runnable by name: `abre` runs the form and gives its modal result.
void RegistraFormAbrir(const char* nome, int (*abre)());
// Runs the form registered as `nome`; its modal result, -1 when there is none.
int AbreFormRegistrado(const char* nome);
// Names that can be opened, in registration order.
QStringList FormsAbriveis();

// Static registration in a form's unit, whose instance variable bears the
// form's component name:  KORA_REGISTRA_FORM(FrmCnc_Mnu, TFrmCnc_Mnu)
#define KORA_REGISTRA_FORM(nome, Classe)                                                                               \
    namespace {                                                                                                        \
    const bool kora_form_##nome = (RegistraFormAbrir(#nome,                                                            \
                                                     [] {                                                              \
                                                         int r = -1;                                                   \
                                                         CriaExecutaForm<Classe>(nullptr, nome, &r);                   \
                                                         return r;                                                     \
                                                     }),                                                               \
                                   true);                                                                              \
    }

// Shows each registered form, saves DIR/<name>.png and frees it; returns the
// number of pictures saved (-1 when DIR cannot be used).
int GeraGaleria(const char* dir);
