#include "cancel/Menucancelamentopl.h"

#include "Contextokora.h"
#include "cancel/Cancsemregistrooutros.h"
#include "cancel/Cancsemregistroprivatelabel.h"
#include "cancel/Menucancelamentocredito.h"
#include "framework/Galeriakora.h"

TFrmCancPFPL_Mnu* FrmCancPFPL_Mnu = nullptr;
TFrmCancParcPL_Mnu* FrmCancParcPL_Mnu = nullptr;
TFrmCancVendaPL_Mnu* FrmCancVendaPL_Mnu = nullptr;

TFrmCancPFPL_Mnu* TFrmCancPFPL_Mnu::Cria() { return TFrmMod::CriaForm<TFrmCancPFPL_Mnu>(); }
TFrmCancPFPL_Mnu::TFrmCancPFPL_Mnu(QWidget* pai) : TFrmMnu_Mod(pai) {
    setObjectName(QStringLiteral("FrmCancPFPL_Mnu"));
    MensagemTitulo = 2625;
    MensagemEncerra = 330;
    Opcoes = {
        {.mensagem = 2626,
         .nomeForm = "TFrmCancPFPL_SemRegLog",
         .habilitada = {},
         .executa = RodaFormComTag<TFrmCancPFPL_SemRegLog>(1, FrmCancPFPL_SemRegLog)},
        {.mensagem = 2627,
         .nomeForm = "TFrmCancPFPL_SemRegLog",
         .habilitada = {},
         .executa = RodaFormComTag<TFrmCancPFPL_SemRegLog>(2, FrmCancPFPL_SemRegLog)},
    };
}
void TFrmCancPFPL_Mnu::spEncerraClick() { EncerraMenuSemRegistro(this); }

TFrmCancParcPL_Mnu* TFrmCancParcPL_Mnu::Cria() { return TFrmMod::CriaForm<TFrmCancParcPL_Mnu>(); }
TFrmCancParcPL_Mnu::TFrmCancParcPL_Mnu(QWidget* pai) : TFrmMnu_Mod(pai) {
    setObjectName(QStringLiteral("FrmCancParcPL_Mnu"));
    MensagemTitulo = 2634;
    MensagemEncerra = 330;
    Opcoes = {
        {.mensagem = 2612,
         .nomeForm = "FrmCancVendaParcAdmPL_SemRegLog",
         .habilitada = {},
         .executa = RodaForm<TFrmCancVendaParcAdmPL_SemRegLog>(FrmCancVendaParcAdmPL_SemRegLog)},
        {.mensagem = 2613,
         .nomeForm = "FrmCancVendaParcLojaPL_SemRegLog",
         .habilitada = {},
         .executa = RodaForm<TFrmCancVendaParcLojaPL_SemRegLog>(FrmCancVendaParcLojaPL_SemRegLog)},
    };
}
void TFrmCancParcPL_Mnu::spEncerraClick() { EncerraMenuSemRegistro(this); }

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

KORA_REGISTRA_GALERIA(FrmCancPFPL_Mnu, [] { return static_cast<QDialog*>(TFrmCancPFPL_Mnu::Cria()); })
KORA_REGISTRA_FORM(FrmCancPFPL_Mnu, TFrmCancPFPL_Mnu)
KORA_REGISTRA_GALERIA(FrmCancParcPL_Mnu, [] { return static_cast<QDialog*>(TFrmCancParcPL_Mnu::Cria()); })
KORA_REGISTRA_FORM(FrmCancParcPL_Mnu, TFrmCancParcPL_Mnu)
KORA_REGISTRA_GALERIA(FrmCancVendaPL_Mnu, [] { return static_cast<QDialog*>(TFrmCancVendaPL_Mnu::Cria()); })
KORA_REGISTRA_FORM(FrmCancVendaPL_Mnu, TFrmCancVendaPL_Mnu)
