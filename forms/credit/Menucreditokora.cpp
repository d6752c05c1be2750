#include "credit/Menucreditokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "credit/Creditoconsultacrediariocrd.h"
#include "credit/Creditoparccpradmkora.h"
#include "credit/Creditoparccrediario.h"
#include "credit/Creditoparcestkora.h"
#include "credit/Creditovistakora.h"
#include "framework/Galeriakora.h"
#include "platform.h"

#include <QPushButton>

TFrmCred_Mnu* FrmCred_Mnu = nullptr;

int ParcelasCredito() { return Campos::LeNumero(CAMPO_QTD_PARCELAS, -1); }

namespace {
CondicaoMenu AVista() {
    return [] { return ParcelasCredito() <= 1; };
}
CondicaoMenu Parcelado() {
    return [] {
        const int n = ParcelasCredito();
        return n > 1 || n == -1;
    };
}
} // namespace

TFrmCred_Mnu* TFrmCred_Mnu::Cria() { return TFrmMod::CriaForm<TFrmCred_Mnu>(); }

TFrmCred_Mnu::TFrmCred_Mnu(QWidget* pai) : TFrmMnu_Mod(pai) {
    setObjectName(QStringLiteral("FrmCred_Mnu"));
    MensagemTitulo = 431;
    MensagemEncerra = 330;
    Opcoes = {
        {.mensagem = 2681,
         .nomeForm = "FrmVis_Crd",
         .habilitada =
             Habilita::Todos({Habilita::Produto(OffProduto::AVISTA), AVista(), Habilita::Ini("CREDITO", "VISTA")}),
         .executa = RodaForm<TFrmVis_Crd>(FrmVis_Crd)},
        {.mensagem = 2612,
         .nomeForm = "FrmCpr_AdmCrdPar",
         .habilitada = Habilita::Todos(
             {Habilita::Produto(OffProduto::CREDITO_ADM), Parcelado(), Habilita::Ini("CREDITO", "ParcAdm")}),
         .executa = RodaForm<TFrmCpr_AdmCrdPar>(FrmCpr_AdmCrdPar)},
        {.mensagem = 2613,
         .nomeForm = "FrmEst_CrdPar",
         .habilitada = Habilita::Todos(
             {Habilita::Produto(OffProduto::CREDITO_LOJISTA), Parcelado(), Habilita::Ini("CREDITO", "ParcLoja")}),
         .executa = RodaForm<TFrmEst_CrdPar>(FrmEst_CrdPar)},
        {.mensagem = 1142,
         .nomeForm = "TFrmCredConsulta_CrediarioCRD",
         .habilitada = Habilita::Todos({Habilita::Produto(OffProduto::DEBITO_CDC), Parcelado(),
                                        Habilita::Ini("CREDITO", "CrediarioCreditoTulen")}),
         .executa = nullptr},
    };
}

void TFrmCred_Mnu::OpcaoClick(int n) {
    if (n == 4)
        spOpcao4Click();
    else
        ExecutaOpcao(n);
}

void TFrmCred_Mnu::spOpcao4Click() {
    HabilitaDesabilitaBotoes(false);
    const auto falha = [this](const char* nome) {
        CaixaMensagem(FormataMensagem(Mensagem(802), nome), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    };
    if (!CriaExecutaForm<TFrmCredConsulta_CrediarioCRD>(this, FrmCredConsulta_CrediarioCRD))
        falha("TFrmCredConsulta_CrediarioCRD");
    // A consultation that ended the transaction leaves no sale to make.
    if (result() != mrOk && !CriaExecutaForm<TFrmCred_ParcCrediario>(this, FrmCred_ParcCrediario))
        falha("TFrmCred_ParcCrediario");
    if (result() == 0) HabilitaDesabilitaBotoes(true);
}

KORA_REGISTRA_GALERIA(FrmCred_Mnu, [] {
    Produto.limpa();
    for (int off : {OffProduto::AVISTA, OffProduto::CREDITO_ADM, OffProduto::CREDITO_LOJISTA, OffProduto::DEBITO_CDC})
        Produto.dados[off] = '1';
    Campos::Limpa(CAMPO_QTD_PARCELAS);
    return static_cast<QDialog*>(TFrmCred_Mnu::Cria());
})
KORA_REGISTRA_FORM(FrmCred_Mnu, TFrmCred_Mnu)
