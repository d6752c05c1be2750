#include "Pagamentofaturaprivatelabel.h"

#include "Campos.h"
#include "Contextokora.h"
#include "framework/Galeriakora.h"
#include "transaction/Descritoreskora.h"

#include <QLabel>

TFrmPagtoFatura_Trn* FrmPagtoFatura_Trn = nullptr;

TFrmPagtoFatura_Trn* TFrmPagtoFatura_Trn::Cria() { return TFrmMod::CriaForm<TFrmPagtoFatura_Trn>(); }

TFrmPagtoFatura_Trn::TFrmPagtoFatura_Trn(QWidget* parent) : TFrmTrn_Mod(parent) {
    setObjectName(QStringLiteral("FrmPagtoFatura_Trn"));
}

void TFrmPagtoFatura_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    pTransacao = &TrnPagtoFaturaPrivateLabel;
    const int tipo = Campos::LeNumero(CAMPO_TIPO_PAGTO_FATURA_PL);
    lbTitulo->setText(Mensagem(tipo == 1 ? 2668 : tipo == 2 ? 2669 : 2670));
}

void TFrmPagtoFatura_Trn::btConfirmaClick() { TFrmTrn_Mod::btConfirmaClick(); }

// Typed by the operator: no amount from the host.
KORA_REGISTRA_GALERIA(FrmPagtoFatura_Trn, [] {
    Campos::Limpa(CAMPO_VALOR_TRANSACAO);
    return static_cast<QDialog*>(TFrmPagtoFatura_Trn::Cria());
})
KORA_REGISTRA_FORM(FrmPagtoFatura_Trn, TFrmPagtoFatura_Trn)
