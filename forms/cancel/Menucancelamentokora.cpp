#include "cancel/Menucancelamentokora.h"

#include "Constanteskora.h"
#include "Contextokora.h"
#include "cancel/Canccreditokora.h"
#include "cancel/Cancconfpreautorizacaokora.h"
#include "cancel/Cancprepreautorizacaokora.h"
#include "framework/Galeriakora.h"
#include "movid.h"
#include "platform.h"

#include <QPushButton>

TFrmCnc_Mnu* FrmCnc_Mnu = nullptr;

TFrmCnc_Mnu* TFrmCnc_Mnu::Cria() { return TFrmMod::CriaForm<TFrmCnc_Mnu>(); }

TFrmCnc_Mnu::TFrmCnc_Mnu(QWidget* pai) : TFrmMnu_Mod(pai) {
    setObjectName(QStringLiteral("FrmCnc_Mnu"));
    MensagemTitulo = 465;
    MensagemEncerra = 330;
    const auto cancelPre =
        Habilita::Terminal(PONTAL_TRANSACAO_HABILITADA_CARTAO_CANCEL_PRE, INTPOS_TRANSACAO_HABILITADA_CANCEL_PRE);
    Opcoes = {
        {.mensagem = 348, .nomeForm = "FrmCrd_Cnc", .habilitada = {}, .executa = RodaForm<TFrmCrd_Cnc>(FrmCrd_Cnc)},
        {.mensagem = 343,
         .nomeForm = "FrmPre_PreCnc",
         .habilitada = cancelPre,
         .executa = RodaForm<TFrmPre_PreCnc>(FrmPre_PreCnc)},
        {.mensagem = 344,
         .nomeForm = "FrmCnf_PreCnc",
         .habilitada = Habilita::Todos({Habilita::Terminal(PONTAL_TRANSACAO_HABILITADA_CARTAO_CANCEL,
                                                           INTPOS_TRANSACAO_HABILITADA_CANCEL_CAPTURA_PRE),
                                        Habilita::Terminal(PONTAL_TRANSACAO_HABILITADA_CARTAO_CANCEL_PRE,
                                                           INTPOS_TRANSACAO_HABILITADA_CANCEL_CAPTURA_PRE)}),
         .executa = RodaForm<TFrmCnf_PreCnc>(FrmCnf_PreCnc)},
    };
}

void TFrmCnc_Mnu::VerificaOpcoesHabilitadas() {
    spOpcao3->setEnabled(false);
    TFrmMnu_Mod::VerificaOpcoesHabilitadas();
}

void TFrmCnc_Mnu::OpcaoClick(int n) {
    if (!ValidarOperador(Plataforma::HandleAplicacao(), QStringLiteral("3"))) return;
    ExecutaOpcao(n);
}

KORA_REGISTRA_GALERIA(FrmCnc_Mnu, [] { return static_cast<QDialog*>(TFrmCnc_Mnu::Cria()); })
KORA_REGISTRA_FORM(FrmCnc_Mnu, TFrmCnc_Mnu)
