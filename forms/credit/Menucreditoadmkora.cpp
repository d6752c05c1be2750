#include "credit/Menucreditoadmkora.h"

#include "Constanteskora.h"
#include "Contextokora.h"
#include "cancel/Menucancelamentokora.h"
#include "capture/Consavskora.h"
#include "credit/Conscreditokora.h"
#include "framework/Galeriakora.h"

#include <QPushButton>

TFrmCredAdm_Mnu* FrmCredAdm_Mnu = nullptr;

TFrmCredAdm_Mnu* TFrmCredAdm_Mnu::Cria() { return TFrmMod::CriaForm<TFrmCredAdm_Mnu>(); }

TFrmCredAdm_Mnu::TFrmCredAdm_Mnu(QWidget* pai) : TFrmMnu_Mod(pai) {
    setObjectName(QStringLiteral("FrmCredAdm_Mnu"));
    MensagemTitulo = 431;
    MensagemEncerra = 330;
    Opcoes = {
        {.mensagem = 341,
         .nomeForm = "FrmCon_AdmCrdPar",
         .habilitada = Habilita::Todos({Habilita::Ini("CREDITO", "ConsultaParc"),
                                        Habilita::Terminal(PONTAL_TRANSACAO_HABILITADA_CARTAO_CONSULTA_PARC,
                                                           INTPOS_TRANSACAO_HABILITADA_CONSULTA_PARCELAS)}),
         .executa = RodaForm<TFrmCon_AdmCrdPar>(FrmCon_AdmCrdPar)},
        {.mensagem = 342,
         .nomeForm = "FrmAVS_Adc",
         .habilitada = Habilita::Ini("CREDITO", "ConsAVS"),
         .executa = RodaForm<TFrmAVS_Adc>(FrmAVS_Adc)},
        {.mensagem = 0, .nomeForm = "TFrmCnc_Mnu", .habilitada = {}, .executa = RodaForm<TFrmCnc_Mnu>(FrmCnc_Mnu)},
    };
}

void TFrmCredAdm_Mnu::IniciaFormularioMenu() {
    TFrmMnu_Mod::IniciaFormularioMenu();
    // The cancellation menu stays out of the operator's reach here.
    spOpcao3->setVisible(false);
}

void TFrmCredAdm_Mnu::OpcaoClick(int n) {
    if (n == 1) ImprimeCupom = true;
    ExecutaOpcao(n);
}

KORA_REGISTRA_GALERIA(FrmCredAdm_Mnu, [] { return static_cast<QDialog*>(TFrmCredAdm_Mnu::Cria()); })
KORA_REGISTRA_FORM(FrmCredAdm_Mnu, TFrmCredAdm_Mnu)
