#include "cancel/Menucancelamentocredito.h"

#include "Contextokora.h"
#include "cancel/Canccreditoparcsemregistrokora.h"
#include "cancel/Canccreditovistasemregistrokora.h"
#include "framework/Galeriakora.h"
#include "pontal.h"

#include <QLabel>
#include <QPushButton>

TFrmCancCred_Mnu* FrmCancCred_Mnu = nullptr;

void EncerraMenuSemRegistro(TFrmMnu_Mod* menu) {
    PontalGravaArquivo();
    menu->FechaForm(mrOk);
}

TFrmCancCred_Mnu* TFrmCancCred_Mnu::Cria() { return TFrmMod::CriaForm<TFrmCancCred_Mnu>(); }

TFrmCancCred_Mnu::TFrmCancCred_Mnu(QWidget* pai) : TFrmCred_Mnu(pai) {
    setObjectName(QStringLiteral("FrmCancCred_Mnu"));
    Opcoes[0].executa = RodaFormComTag<TFrmCancCredVista_SemRegLog>(0, FrmCancCredVista_SemRegLog);
    Opcoes[0].nomeForm = "TFrmCancCredVista_SemRegLog";
    Opcoes[1].executa = RodaFormComTag<TFrmCancCredParc_SemRegLog>(1, FrmCancCredParc_SemRegLog);
    Opcoes[1].nomeForm = "TFrmCancCredParc_SemRegLog";
    Opcoes[2].executa = RodaFormComTag<TFrmCancCredParc_SemRegLog>(2, FrmCancCredParc_SemRegLog);
    Opcoes[2].nomeForm = "TFrmCancCredParc_SemRegLog";
}

void TFrmCancCred_Mnu::IniciaFormularioMenu() {
    TFrmCred_Mnu::IniciaFormularioMenu();
    lbTitulo->setText(Mensagem(467));
}

void TFrmCancCred_Mnu::VerificaOpcoesHabilitadas() {
    // Every kind of credit sale may be cancelled, whatever the product allows today.
    for (int i = 1; i <= 4; ++i) Opcao(i)->setEnabled(true);
}

void TFrmCancCred_Mnu::spEncerraClick() { EncerraMenuSemRegistro(this); }

KORA_REGISTRA_GALERIA(FrmCancCred_Mnu, [] { return static_cast<QDialog*>(TFrmCancCred_Mnu::Cria()); })
KORA_REGISTRA_FORM(FrmCancCred_Mnu, TFrmCancCred_Mnu)
