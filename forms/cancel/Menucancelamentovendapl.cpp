#include "cancel/Menucancelamentovendapl.h"

#include "Contextokora.h"
#include "cancel/Cancvendaparcparcplsemregistrokora.h"
#include "cancel/Cancvendaplvistasemregistrokora.h"
#include "cancel/Cancvendapredtdplsemregistrokora.h"
#include "cancel/Menucancelamentocredito.h"
#include "framework/Galeriakora.h"

TFrmCancVendaPL_Mnu* FrmCancVendaPL_Mnu = nullptr;

TFrmCancVendaPL_Mnu* TFrmCancVendaPL_Mnu::Cria() { return TFrmMod::CriaForm<TFrmCancVendaPL_Mnu>(); }
TFrmCancVendaPL_Mnu::TFrmCancVendaPL_Mnu(QWidget* pai) : TFrmMnu_Mod(pai) {
    setObjectName(QStringLiteral("FrmCancVendaPL_Mnu"));
    MensagemTitulo = 2639;
    MensagemEncerra = 330;
    Opcoes = {
        {.mensagem = 351,
         .nomeForm = "TFrmCancVendaPLVista_SemRegLog",
         .habilitada = {},
         .executa = RodaFormComTag<TFrmCancVendaPLVista_SemRegLog>(0, FrmCancVendaPLVista_SemRegLog)},
        {.mensagem = 352,
         .nomeForm = "TFrmCancVendaParcParcPL_SemRegLog",
         .habilitada = {},
         .executa = RodaFormComTag<TFrmCancVendaParcParcPL_SemRegLog>(1, FrmCancVendaParcParcPL_SemRegLog)},
        {.mensagem = 353,
         .nomeForm = "TFrmCancVendaPreDtdPL_SemRegLog",
         .habilitada = {},
         .executa = RodaFormComTag<TFrmCancVendaPreDtdPL_SemRegLog>(2, FrmCancVendaPreDtdPL_SemRegLog)},
    };
}
void TFrmCancVendaPL_Mnu::spEncerraClick() { EncerraMenuSemRegistro(this); }

KORA_REGISTRA_GALERIA(FrmCancVendaPL_Mnu, [] { return static_cast<QDialog*>(TFrmCancVendaPL_Mnu::Cria()); })
KORA_REGISTRA_FORM(FrmCancVendaPL_Mnu, TFrmCancVendaPL_Mnu)
