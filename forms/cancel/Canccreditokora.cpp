#include "cancel/Canccreditokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "cancel/Galeriacancelamento.h"
#include "framework/Galeriakora.h"

#include <QLabel>

TFrmCrd_Cnc* FrmCrd_Cnc = nullptr;

TFrmCrd_Cnc* TFrmCrd_Cnc::Cria() { return TFrmMod::CriaForm<TFrmCrd_Cnc>(); }

TFrmCrd_Cnc::TFrmCrd_Cnc(QWidget* parent) : TFrmCnc_Trn(parent) { setObjectName(QStringLiteral("FrmCrd_Cnc")); }

void TFrmCrd_Cnc::FormCreate() { TFrmCnc_Trn::FormCreate(); }

void TFrmCrd_Cnc::IniciaCamposForm() {
    TFrmCnc_Trn::IniciaCamposForm();
    lbTitulo->setText(Mensagem(467));
}

bool TFrmCrd_Cnc::GravaCamposPontal() {
    return TFrmCnc_Trn::GravaCamposPontal() && Campos::Grava(CAMPO_CANCELAMENTO_TIPO, QStringLiteral("0"));
}

KORA_REGISTRA_GALERIA(FrmCrd_Cnc, [] {
    GaleriaCancelamento::VendaACancelar();
    return static_cast<QDialog*>(TFrmCrd_Cnc::Cria());
})
KORA_REGISTRA_FORM(FrmCrd_Cnc, TFrmCrd_Cnc)
