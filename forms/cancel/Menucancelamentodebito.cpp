#include "cancel/Menucancelamentodebito.h"

#include "Contextokora.h"
#include "cancel/Cancdebitocdcsemregistrokora.h"
#include "cancel/Cancdebitopresemregistrokora.h"
#include "cancel/Cancdebitovistasemregistrokora.h"
#include "cancel/Menucancelamentocredito.h"
#include "framework/Galeriakora.h"

#include <QLabel>
#include <QPushButton>

TFrmCancDeb_Mnu* FrmCancDeb_Mnu = nullptr;

TFrmCancDeb_Mnu* TFrmCancDeb_Mnu::Cria() { return TFrmMod::CriaForm<TFrmCancDeb_Mnu>(); }

TFrmCancDeb_Mnu::TFrmCancDeb_Mnu(QWidget* pai) : TFrmDeb_Mnu(pai) {
    setObjectName(QStringLiteral("FrmCancDeb_Mnu"));
    Opcoes[0].executa = RodaForm<TFrmCancDebVista_SemRegLog>(FrmCancDebVista_SemRegLog);
    Opcoes[0].nomeForm = "TFrmCancDebVista_SemRegLog";
    Opcoes[1].executa = RodaForm<TFrmCancDebCDC_SemRegLog>(FrmCancDebCDC_SemRegLog);
    Opcoes[1].nomeForm = "TFrmCancDebCDC_SemRegLog";
    Opcoes[2].executa = RodaForm<TFrmCancDebPre_SemRegLog>(FrmCancDebPre_SemRegLog);
    Opcoes[2].nomeForm = "TFrmCancDebPre_SemRegLog";
}

void TFrmCancDeb_Mnu::IniciaFormularioMenu() {
    TFrmDeb_Mnu::IniciaFormularioMenu();
    lbTitulo->setText(Mensagem(466));
}

void TFrmCancDeb_Mnu::VerificaOpcoesHabilitadas() {
    // Every kind of debit sale may be cancelled, whatever the product allows today.
    for (int i = 1; i <= 3; ++i) Opcao(i)->setEnabled(true);
}

void TFrmCancDeb_Mnu::spEncerraClick() { EncerraMenuSemRegistro(this); }

KORA_REGISTRA_GALERIA(FrmCancDeb_Mnu, [] { return static_cast<QDialog*>(TFrmCancDeb_Mnu::Cria()); })
KORA_REGISTRA_FORM(FrmCancDeb_Mnu, TFrmCancDeb_Mnu)
