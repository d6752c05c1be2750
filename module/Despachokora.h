// The forms a request can open directly, and the one place that connects
// each of them to its class: a form not built yet reports that it could not
// be created, and wiring one in is a single line of the table.
#pragma once
#include <functional>

enum class FormEntrada : int {
    VendaQRCode,
    CancVendaQRCode,
    Vis_Crd,
    Est_CrdPar,
    Cpr_AdmCrdPar,
    Cred_Mnu,
    Auto,
    Coleta_Taxas,
    Con_ParAdm,
    Vis_Deb,
    Deb_Mnu,
    Reimpressao_Trn,
    Crd_Cnc,
    Deb_Cnc,
    Pre_Pre,
    PagtoConta_Trn,
    Outros_Mnu,
    Quantidade
};

// The form's component name ("FrmVis_Deb"), as the error message shows it.
const char* NomeFormEntrada(FormEntrada form);
// Runs the form with no parent; message 802 when it cannot be created.
void ExecutaFormEntrada(FormEntrada form);

// Sees every form the dispatch chooses, before it runs; returning true takes
// the run over (the form is then not created). Tools and tests only.
using ObservadorDespacho = std::function<bool(const char* nomeForm)>;
void DefineObservadorDespacho(ObservadorDespacho observador);
