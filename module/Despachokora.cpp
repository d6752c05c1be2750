#include "Despachokora.h"

#include "Contextokora.h"
#include "cancel/Canccreditokora.h"
#include "cancel/Cancdebitokora.h"
#include "capture/Coletataxas.h"
#include "credit/Creditoparccpradmkora.h"
#include "credit/Creditoparcestkora.h"
#include "credit/Creditovistakora.h"
#include "credit/Menucreditokora.h"
#include "debit/Conscdckora.h"
#include "debit/Debitovistakora.h"
#include "debit/Menudebitokora.h"
#include "other/Autokora.h"
#include "other/Cancelamentovendaqrcodetulen.h"
#include "other/Menuoutros.h"
#include "other/Pagtoconta.h"
#include "other/Vendaqrcodetulen.h"
#include "preauth/Preautorizacaokora.h"
#include "receipt/Reimpressaoconsultakora.h"

#include <array>

namespace {

struct EntradaForm {
    FormEntrada form;
    const char* nome;
    void (*executa)();
};

// In the order of FormEntrada.
constexpr std::array<EntradaForm, size_t(FormEntrada::Quantidade)> kForms{{
    {FormEntrada::VendaQRCode, "FrmVendaQRCode",
     [] { ExecutaForm<TFrmVendaQRCode>(FrmVendaQRCode, "FrmVendaQRCode"); }},
    {FormEntrada::CancVendaQRCode, "FrmCancVendaQRCode",
     [] { ExecutaForm<TFrmCancVendaQRCode>(FrmCancVendaQRCode, "FrmCancVendaQRCode"); }},
    {FormEntrada::Vis_Crd, "FrmVis_Crd", [] { ExecutaForm<TFrmVis_Crd>(FrmVis_Crd, "FrmVis_Crd"); }},
    {FormEntrada::Est_CrdPar, "FrmEst_CrdPar", [] { ExecutaForm<TFrmEst_CrdPar>(FrmEst_CrdPar, "FrmEst_CrdPar"); }},
    {FormEntrada::Cpr_AdmCrdPar, "FrmCpr_AdmCrdPar",
     [] { ExecutaForm<TFrmCpr_AdmCrdPar>(FrmCpr_AdmCrdPar, "FrmCpr_AdmCrdPar"); }},
    {FormEntrada::Cred_Mnu, "FrmCred_Mnu", [] { ExecutaForm<TFrmCred_Mnu>(FrmCred_Mnu, "FrmCred_Mnu"); }},
    {FormEntrada::Auto, "FrmAuto", [] { ExecutaForm<TFrmAuto>(FrmAuto, "FrmAuto"); }},
    {FormEntrada::Coleta_Taxas, "FrmColeta_Taxas",
     [] { ExecutaForm<TFrmColeta_Taxas>(FrmColeta_Taxas, "FrmColeta_Taxas"); }},
    {FormEntrada::Con_ParAdm, "FrmCon_ParAdm", [] { ExecutaForm<TFrmCon_ParAdm>(FrmCon_ParAdm, "FrmCon_ParAdm"); }},
    {FormEntrada::Vis_Deb, "FrmVis_Deb", [] { ExecutaForm<TFrmVis_Deb>(FrmVis_Deb, "FrmVis_Deb"); }},
    {FormEntrada::Deb_Mnu, "FrmDeb_Mnu", [] { ExecutaForm<TFrmDeb_Mnu>(FrmDeb_Mnu, "FrmDeb_Mnu"); }},
    {FormEntrada::Reimpressao_Trn, "FrmReimpressao_Trn",
     [] { ExecutaForm<TFrmReimpressao_Trn>(FrmReimpressao_Trn, "FrmReimpressao_Trn"); }},
    {FormEntrada::Crd_Cnc, "FrmCrd_Cnc", [] { ExecutaForm<TFrmCrd_Cnc>(FrmCrd_Cnc, "FrmCrd_Cnc"); }},
    {FormEntrada::Deb_Cnc, "FrmDeb_Cnc", [] { ExecutaForm<TFrmDeb_Cnc>(FrmDeb_Cnc, "FrmDeb_Cnc"); }},
    {FormEntrada::Pre_Pre, "FrmPre_Pre", [] { ExecutaForm<TFrmPre_Pre>(FrmPre_Pre, "FrmPre_Pre"); }},
    {FormEntrada::PagtoConta_Trn, "FrmPagtoConta_Trn",
     [] { ExecutaForm<TFrmPagtoConta_Trn>(FrmPagtoConta_Trn, "FrmPagtoConta_Trn"); }},
    {FormEntrada::Outros_Mnu, "FrmOutros_Mnu", [] { ExecutaForm<TFrmOutros_Mnu>(FrmOutros_Mnu, "FrmOutros_Mnu"); }},
}};

constexpr bool TabelaEmOrdem() {
    for (size_t i = 0; i < kForms.size(); ++i)
        if (size_t(kForms[i].form) != i || !kForms[i].nome || !kForms[i].executa) return false;
    return true;
}
static_assert(TabelaEmOrdem(), "one line per form, with its runner, in the order of FormEntrada");

ObservadorDespacho& Observador() {
    static ObservadorDespacho o;
    return o;
}

const EntradaForm* Entrada(FormEntrada form) {
    const auto i = size_t(form);
    return i < kForms.size() ? &kForms[i] : nullptr;
}

} // namespace

const char* NomeFormEntrada(FormEntrada form) {
    const EntradaForm* e = Entrada(form);
    return e ? e->nome : "";
}

void ExecutaFormEntrada(FormEntrada form) {
    const EntradaForm* e = Entrada(form);
    if (!e) return;
    if (Observador() && Observador()(e->nome)) return;
    e->executa();
}

void DefineObservadorDespacho(ObservadorDespacho observador) { Observador() = std::move(observador); }
