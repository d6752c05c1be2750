#include "cancel/Menucancelamentocompraparcprivatelabel.h"

#include "Contextokora.h"
#include "cancel/Cancvendaparcadmplsemregistrokora.h"
#include "cancel/Cancvendaparclojaplsemregistrokora.h"
#include "cancel/Menucancelamentocredito.h"
#include "framework/Galeriakora.h"

TFrmCancParcPL_Mnu* FrmCancParcPL_Mnu = nullptr;

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

KORA_REGISTRA_GALERIA(FrmCancParcPL_Mnu, [] { return static_cast<QDialog*>(TFrmCancParcPL_Mnu::Cria()); })
KORA_REGISTRA_FORM(FrmCancParcPL_Mnu, TFrmCancParcPL_Mnu)
