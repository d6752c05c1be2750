#include "Menudebitokora.h"

#include "Campos.h"
#include <QLabel>
#include "Constanteskora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "debit/Debitoparccpradmkora.h"
#include "debit/Debitopredatadokora.h"
#include "debit/Debitovistakora.h"
#include "framework/Galeriakora.h"
#include "pontal.h"

TFrmDeb_Mnu* FrmDeb_Mnu = nullptr;
bool MostrouForm = false;

TFrmDeb_Mnu* TFrmDeb_Mnu::Cria() { return CriaForm<TFrmDeb_Mnu>(); }

TFrmDeb_Mnu::TFrmDeb_Mnu(QWidget* pai) : TFrmMnu_Mod(pai) {
    setObjectName(QStringLiteral("FrmDeb_Mnu"));
    lbTitulo->setText(QString::fromUtf8("FORMULÁRIO PADRÃO MENU DÉBITO"));
    MensagemTitulo = 421;
    MensagemEncerra = 330;
    Opcoes = {
        {.mensagem = 2682,
         .nomeForm = "FrmVis_Deb",
         .habilitada = Habilita::Todos({Habilita::Ini("DEBITO", "Vista"), Habilita::Produto(OffProduto::AVISTA),
                                        Habilita::IntPos(INTPOS_TRANSACAO_HABILITADA_DEBITO_AVISTA)}),
         .executa = RodaForm<TFrmVis_Deb>(FrmVis_Deb)},
        {.mensagem = 2609,
         .nomeForm = "FrmCpr_ParAdm",
         .habilitada = Habilita::Todos({Habilita::Ini("DEBITO", "VendaCDC"), Habilita::Produto(OffProduto::DEBITO_CDC),
                                        Habilita::IntPos(INTPOS_TRANSACAO_HABILITADA_VENDA_CDC)}),
         .executa = RodaForm<TFrmCpr_ParAdm>(FrmCpr_ParAdm)},
        {.mensagem = 353,
         .nomeForm = "FrmPrd_Deb",
         .habilitada =
             Habilita::Todos({Habilita::Ini("DEBITO", "PreDatado"), Habilita::Produto(OffProduto::DEBITO_PREDATADO),
                              Habilita::IntPos(INTPOS_TRANSACAO_HABILITADA_DEBITO_PREDATADO),
                              [] { return TrataServicoC_TransacoesHabilitadasTerminal(14) != 0; }}),
         .executa = RodaForm<TFrmPrd_Deb>(FrmPrd_Deb)},
    };
}

void TFrmDeb_Mnu::FormCreate() {
    TFrmMnu_Mod::FormCreate();
    MostrouForm = false;
}

void TFrmDeb_Mnu::FormShow() {
    TFrmMnu_Mod::FormShow();
    MostrouForm = true;
}

void TFrmDeb_Mnu::OpcaoClick(int n) {
    if (n == 1 && !MostrouForm) return;
    ExecutaOpcao(n);
}

void TFrmDeb_Mnu::spEncerraClick() {
    PontalGravaArquivo();
    Campos::Limpa(CAMPO_RESULTADO_TRANSACAO);
    FechaForm(mrOk);
}

// A product that allows every kind of debit sale.
static QDialog* FormGaleriaDebMnu() {
    Produto.limpa();
    std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
    Produto.dados[OffProduto::AVISTA] = '1';
    Produto.dados[OffProduto::DEBITO_CDC] = '1';
    Produto.dados[OffProduto::DEBITO_PREDATADO] = '1';
    return TFrmDeb_Mnu::Cria();
}
KORA_REGISTRA_GALERIA(FrmDeb_Mnu, FormGaleriaDebMnu)
KORA_REGISTRA_FORM(FrmDeb_Mnu, TFrmDeb_Mnu)
