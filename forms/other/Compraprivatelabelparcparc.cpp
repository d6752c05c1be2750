#include "Compraprivatelabelparcparc.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "framework/Galeriakora.h"
#include "other/Compraprivatelabelparcadm.h"
#include "other/Compraprivatelabelparcloja.h"
#include "other/Menuparcelamentocompraprivatelabel.h"
#include "platform.h"

#include <QLabel>

TFrmCpPrivLabel_ParcParc* FrmCpPrivLabel_ParcParc = nullptr;

TFrmCpPrivLabel_ParcParc* TFrmCpPrivLabel_ParcParc::Cria() { return TFrmMod::CriaForm<TFrmCpPrivLabel_ParcParc>(); }

TFrmCpPrivLabel_ParcParc::TFrmCpPrivLabel_ParcParc(QWidget* parent) : TFrmCpPrivLabel_Parcelado(parent) {
    setObjectName(QStringLiteral("FrmCpPrivLabel_ParcParc"));
}

void TFrmCpPrivLabel_ParcParc::IniciaCamposForm() {
    TFrmCpPrivLabel_Parcelado::IniciaCamposForm();
    lbTitulo->setText(Mensagem(1008));
}

void TFrmCpPrivLabel_ParcParc::btConfirmaClick() {
    if (!ValidaCamposForm() || !GravaCamposPontal()) return;
    const bool adm = Produto.em(OffProduto::CREDITO_ADM) == '1';
    const bool loja = Produto.em(OffProduto::CREDITO_LOJISTA) == '1';
    bool criado = false;
    const char* nome = "";
    if (adm && loja) {
        nome = "FrmFinCpPL_Mnu";
        criado = CriaExecutaForm<TFrmFinCpPL_Mnu>(this, FrmFinCpPL_Mnu);
    } else if (adm) {
        nome = "FrmCpPrivLabel_ParcAdm";
        criado = CriaExecutaForm<TFrmCpPrivLabel_ParcAdm>(this, FrmCpPrivLabel_ParcAdm);
    } else {
        nome = "FrmCpPrivLabel_ParcLoja";
        criado = CriaExecutaForm<TFrmCpPrivLabel_ParcLoja>(this, FrmCpPrivLabel_ParcLoja);
    }
    if (!criado) CaixaMensagem(FormataMensagem(Mensagem(802), nome), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
}

// Typed by the operator: no amount from the host.
KORA_REGISTRA_GALERIA(FrmCpPrivLabel_ParcParc, [] {
    Campos::Limpa(CAMPO_VALOR_TRANSACAO);
    return static_cast<QDialog*>(TFrmCpPrivLabel_ParcParc::Cria());
})
KORA_REGISTRA_FORM(FrmCpPrivLabel_ParcParc, TFrmCpPrivLabel_ParcParc)
