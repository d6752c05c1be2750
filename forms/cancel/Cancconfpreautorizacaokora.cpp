#include "cancel/Cancconfpreautorizacaokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "cancel/Galeriacancelamento.h"
#include "framework/Galeriakora.h"

#include <QLabel>

TFrmCnf_PreCnc* FrmCnf_PreCnc = nullptr;

TFrmCnf_PreCnc* TFrmCnf_PreCnc::Cria() { return TFrmMod::CriaForm<TFrmCnf_PreCnc>(); }

TFrmCnf_PreCnc::TFrmCnf_PreCnc(QWidget* parent) : TFrmPre_Cnc(parent) {
    setObjectName(QStringLiteral("FrmCnf_PreCnc"));
}

void TFrmCnf_PreCnc::IniciaCamposForm() {
    TFrmPre_Cnc::IniciaCamposForm();
    lbTitulo->setText(Mensagem(470));
}

bool TFrmCnf_PreCnc::GravaCamposPontal() {
    return TFrmPre_Cnc::GravaCamposPontal() && Campos::Grava(CAMPO_CODIGO_REQUISICAO, QStringLiteral("4"));
}

KORA_REGISTRA_GALERIA(FrmCnf_PreCnc, [] {
    GaleriaCancelamento::VendaACancelar();
    return static_cast<QDialog*>(TFrmCnf_PreCnc::Cria());
})
KORA_REGISTRA_FORM(FrmCnf_PreCnc, TFrmCnf_PreCnc)
