#include "cancel/Cancprepreautorizacaokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "cancel/Galeriacancelamento.h"
#include "framework/Galeriakora.h"

#include <QLabel>

TFrmPre_PreCnc* FrmPre_PreCnc = nullptr;

TFrmPre_PreCnc* TFrmPre_PreCnc::Cria() { return TFrmMod::CriaForm<TFrmPre_PreCnc>(); }

TFrmPre_PreCnc::TFrmPre_PreCnc(QWidget* parent) : TFrmPre_Cnc(parent) {
    setObjectName(QStringLiteral("FrmPre_PreCnc"));
}

void TFrmPre_PreCnc::IniciaCamposForm() {
    TFrmPre_Cnc::IniciaCamposForm();
    lbTitulo->setText(Mensagem(469));
}

bool TFrmPre_PreCnc::GravaCamposPontal() {
    return TFrmPre_Cnc::GravaCamposPontal() && Campos::Grava(CAMPO_CODIGO_REQUISICAO, QStringLiteral("2"));
}

KORA_REGISTRA_GALERIA(FrmPre_PreCnc, [] {
    GaleriaCancelamento::VendaACancelar();
    return static_cast<QDialog*>(TFrmPre_PreCnc::Cria());
})
KORA_REGISTRA_FORM(FrmPre_PreCnc, TFrmPre_PreCnc)
