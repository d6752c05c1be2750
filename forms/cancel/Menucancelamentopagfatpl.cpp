#include "cancel/Menucancelamentopagfatpl.h"

#include "Contextokora.h"
#include "cancel/Cancpagfatplsemregistrokora.h"
#include "cancel/Menucancelamentocredito.h"
#include "framework/Galeriakora.h"

TFrmCancPFPL_Mnu* FrmCancPFPL_Mnu = nullptr;

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

KORA_REGISTRA_GALERIA(FrmCancPFPL_Mnu, [] { return static_cast<QDialog*>(TFrmCancPFPL_Mnu::Cria()); })
KORA_REGISTRA_FORM(FrmCancPFPL_Mnu, TFrmCancPFPL_Mnu)
