#include "Menuparcelamentocompraprivatelabel.h"

#include "Servicoskora.h"
#include "framework/Galeriakora.h"
#include "other/Compraprivatelabelparcadm.h"
#include "other/Compraprivatelabelparcloja.h"

TFrmFinCpPL_Mnu* FrmFinCpPL_Mnu = nullptr;

TFrmFinCpPL_Mnu* TFrmFinCpPL_Mnu::Cria() { return TFrmMod::CriaForm<TFrmFinCpPL_Mnu>(); }

TFrmFinCpPL_Mnu::TFrmFinCpPL_Mnu(QWidget* pai) : TFrmMnu_Mod(pai) {
    setObjectName(QStringLiteral("FrmFinCpPL_Mnu"));
    MensagemTitulo = 1008;
    MensagemEncerra = 330;
    Opcoes = {
        {.mensagem = 2612,
         .nomeForm = "FrmCpPrivLabel_ParcAdm",
         .habilitada = Habilita::Produto(OffProduto::CREDITO_ADM),
         .executa = RodaForm<TFrmCpPrivLabel_ParcAdm>(FrmCpPrivLabel_ParcAdm)},
        {.mensagem = 2613,
         .nomeForm = "FrmCpPrivLabel_ParcLoja",
         .habilitada = Habilita::Produto(OffProduto::CREDITO_LOJISTA),
         .executa = RodaForm<TFrmCpPrivLabel_ParcLoja>(FrmCpPrivLabel_ParcLoja)},
    };
}

KORA_REGISTRA_GALERIA(FrmFinCpPL_Mnu, [] { return static_cast<QDialog*>(TFrmFinCpPL_Mnu::Cria()); })
KORA_REGISTRA_FORM(FrmFinCpPL_Mnu, TFrmFinCpPL_Mnu)
