#include "cancel/Cancdebitokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "cancel/Galeriacancelamento.h"
#include "framework/Galeriakora.h"

#include <QLabel>

TFrmDeb_Cnc* FrmDeb_Cnc = nullptr;

TFrmDeb_Cnc* TFrmDeb_Cnc::Cria() { return TFrmMod::CriaForm<TFrmDeb_Cnc>(); }

TFrmDeb_Cnc::TFrmDeb_Cnc(QWidget* parent) : TFrmCnc_Trn(parent) { setObjectName(QStringLiteral("FrmDeb_Cnc")); }

void TFrmDeb_Cnc::FormCreate() { TFrmCnc_Trn::FormCreate(); }

void TFrmDeb_Cnc::IniciaCamposForm() {
    TFrmCnc_Trn::IniciaCamposForm();
    lbTitulo->setText(Mensagem(466));
}

bool TFrmDeb_Cnc::GravaCamposPontal() {
    return TFrmCnc_Trn::GravaCamposPontal() && Campos::Grava(CAMPO_CANCELAMENTO_TIPO, QStringLiteral("1"));
}

KORA_REGISTRA_GALERIA(FrmDeb_Cnc, [] {
    GaleriaCancelamento::VendaACancelar();
    return static_cast<QDialog*>(TFrmDeb_Cnc::Cria());
})
KORA_REGISTRA_FORM(FrmDeb_Cnc, TFrmDeb_Cnc)
