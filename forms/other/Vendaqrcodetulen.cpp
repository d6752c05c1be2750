#include "Vendaqrcodetulen.h"

#include "Campos.h"
#include "Contextokora.h"
#include "framework/Galeriakora.h"
#include "transaction/Descritoreskora.h"

#include <QLabel>

TFrmVendaQRCode* FrmVendaQRCode = nullptr;

TFrmVendaQRCode* TFrmVendaQRCode::Cria() { return TFrmMod::CriaForm<TFrmVendaQRCode>(); }

TFrmVendaQRCode::TFrmVendaQRCode(QWidget* parent) : TFrmQRCode_Trn(parent) {
    setObjectName(QStringLiteral("FrmVendaQRCode"));
}

void TFrmVendaQRCode::IniciaCamposForm() {
    TFrmQRCode_Trn::IniciaCamposForm();
    pTransacao = &TrnVendaCD;
    lbTitulo->setText(Mensagem(2842));
}

bool TFrmVendaQRCode::GravaCamposPontal() {
    return TFrmTrn_Mod::GravaCamposPontal() && Campos::Grava(CAMPO_TIPO_TRANSACAO, QStringLiteral("2"));
}

// A sale waiting for its amount.
static QDialog* FormGaleriaVendaQRCode() {
    Campos::Limpa(CAMPO_VALOR_TRANSACAO);
    return TFrmVendaQRCode::Cria();
}
KORA_REGISTRA_GALERIA(FrmVendaQRCode, FormGaleriaVendaQRCode)
KORA_REGISTRA_FORM(FrmVendaQRCode, TFrmVendaQRCode)
