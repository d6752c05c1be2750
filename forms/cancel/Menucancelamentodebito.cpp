#include "cancel/Menucancelamentodebito.h"

#include "Contextokora.h"
#include "cancel/Cancsemregistrodebito.h"
#include "cancel/Menucancelamentocredito.h"
#include "framework/Galeriakora.h"

TFrmCancDeb_Mnu* FrmCancDeb_Mnu = nullptr;

TFrmCancDeb_Mnu* TFrmCancDeb_Mnu::Cria() { return TFrmMod::CriaForm<TFrmCancDeb_Mnu>(); }

TFrmCancDeb_Mnu::TFrmCancDeb_Mnu(QWidget* pai) : TFrmMnu_Mod(pai) {
    setObjectName(QStringLiteral("FrmCancDeb_Mnu"));
    MensagemTitulo = 466;
    MensagemEncerra = 330;
    Opcoes = {
        {.mensagem = 2682,
         .nomeForm = "TFrmCancDebVista_SemRegLog",
         .habilitada = {},
         .executa = RodaForm<TFrmCancDebVista_SemRegLog>(FrmCancDebVista_SemRegLog)},
        {.mensagem = 2609,
         .nomeForm = "TFrmCancDebCDC_SemRegLog",
         .habilitada = {},
         .executa = RodaForm<TFrmCancDebCDC_SemRegLog>(FrmCancDebCDC_SemRegLog)},
        {.mensagem = 353,
         .nomeForm = "TFrmCancDebPre_SemRegLog",
         .habilitada = {},
         .executa = RodaForm<TFrmCancDebPre_SemRegLog>(FrmCancDebPre_SemRegLog)},
    };
}

void TFrmCancDeb_Mnu::spEncerraClick() { EncerraMenuSemRegistro(this); }

KORA_REGISTRA_GALERIA(FrmCancDeb_Mnu, [] { return static_cast<QDialog*>(TFrmCancDeb_Mnu::Cria()); })
KORA_REGISTRA_FORM(FrmCancDeb_Mnu, TFrmCancDeb_Mnu)
