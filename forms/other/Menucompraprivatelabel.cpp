#include "Menucompraprivatelabel.h"

#include "Servicoskora.h"
#include "framework/Galeriakora.h"
#include "other/Compraprivatelabelparcparc.h"
#include "other/Compraprivatelabelpredatado.h"
#include "other/Compraprivatelabelvista.h"

TFrmCpPL_Mnu* FrmCpPL_Mnu = nullptr;

TFrmCpPL_Mnu* TFrmCpPL_Mnu::Cria() { return TFrmMod::CriaForm<TFrmCpPL_Mnu>(); }

TFrmCpPL_Mnu::TFrmCpPL_Mnu(QWidget* pai) : TFrmMnu_Mod(pai) {
    setObjectName(QStringLiteral("FrmCpPL_Mnu"));
    MensagemTitulo = 1003;
    MensagemEncerra = 330;
    Opcoes = {
        {.mensagem = 351,
         .nomeForm = "FrmCpPrivLabel_Vista",
         .habilitada = Habilita::Produto(OffProduto::AVISTA),
         .executa = RodaForm<TFrmCpPrivLabel_Vista>(FrmCpPrivLabel_Vista)},
        {.mensagem = 352,
         .nomeForm = "FrmCpPrivLabel_ParcParc",
         .habilitada =
             [] {
                 return Produto.em(OffProduto::CREDITO_ADM) == '1' || Produto.em(OffProduto::CREDITO_LOJISTA) == '1';
             },
         .executa = RodaForm<TFrmCpPrivLabel_ParcParc>(FrmCpPrivLabel_ParcParc)},
        {.mensagem = 353,
         .nomeForm = "FrmPrivLabel_PreDatado",
         .habilitada = Habilita::Produto(OffProduto::DEBITO_PREDATADO),
         .executa = RodaForm<TFrmPrivLabel_PreDatado>(FrmPrivLabel_PreDatado)},
    };
}

KORA_REGISTRA_GALERIA(FrmCpPL_Mnu, [] { return static_cast<QDialog*>(TFrmCpPL_Mnu::Cria()); })
KORA_REGISTRA_FORM(FrmCpPL_Mnu, TFrmCpPL_Mnu)
