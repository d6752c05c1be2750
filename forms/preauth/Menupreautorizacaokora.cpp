#include "Menupreautorizacaokora.h"

#include "Constanteskora.h"
#include "framework/Galeriakora.h"
#include "preauth/Confpreparcadmkora.h"
#include "preauth/Confpreparcestkora.h"
#include "preauth/Confprevistakora.h"
#include "preauth/Preautorizacaokora.h"

TFrmPreAut_Mnu* FrmPreAut_Mnu = nullptr;

TFrmPreAut_Mnu* TFrmPreAut_Mnu::Cria() { return TFrmMod::CriaForm<TFrmPreAut_Mnu>(); }

TFrmPreAut_Mnu::TFrmPreAut_Mnu(QWidget* pai) : TFrmMnu_Mod(pai) {
    setObjectName(QStringLiteral("FrmPreAut_Mnu"));
    MensagemTitulo = 438;
    MensagemEncerra = 330;
    const CondicaoMenu captura =
        Habilita::Terminal(PONTAL_TRANSACAO_HABILITADA_CARTAO_CAPTURA_PRE, INTPOS_TRANSACAO_HABILITADA_CAPTURA_PRE);
    Opcoes = {
        {.mensagem = 343,
         .nomeForm = "FrmPre_Pre",
         .habilitada = Habilita::Terminal(PONTAL_TRANSACAO_HABILITADA_CARTAO_PRE_AUTORIZ,
                                          INTPOS_TRANSACAO_HABILITADA_PRE_AUTORIZACAO),
         .executa = RodaForm<TFrmPre_Pre>(FrmPre_Pre)},
        {.mensagem = 345,
         .nomeForm = "FrmVis_Cnf",
         .habilitada = captura,
         .executa = RodaForm<TFrmVis_Cnf>(FrmVis_Cnf)},
        {.mensagem = 346,
         .nomeForm = "FrmAdm_CnfPar",
         .habilitada = captura,
         .executa = RodaForm<TFrmAdm_CnfPar>(FrmAdm_CnfPar)},
        {.mensagem = 347,
         .nomeForm = "FrmEst_CnfPar",
         .habilitada = captura,
         .executa = RodaForm<TFrmEst_CnfPar>(FrmEst_CnfPar)},
    };
}

void TFrmPreAut_Mnu::OpcaoClick(int n) {
    if (n < 1 || n > int(Opcoes.size())) return;
    const TOpcaoMenu& o = Opcoes[size_t(n - 1)];
    if (!o.executa || !o.executa(this))
        CaixaMensagem(FormataMensagem(Mensagem(802), o.nomeForm), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
}

KORA_REGISTRA_GALERIA(FrmPreAut_Mnu, [] { return static_cast<QDialog*>(TFrmPreAut_Mnu::Cria()); })
KORA_REGISTRA_FORM(FrmPreAut_Mnu, TFrmPreAut_Mnu)
