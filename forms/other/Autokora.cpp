#include "Autokora.h"

#include "Contextokora.h"
#include "framework/Galeriakora.h"

#include <QLabel>
#include <QLineEdit>

TFrmAuto* FrmAuto = nullptr;

TFrmAuto* TFrmAuto::Cria() { return TFrmMod::CriaForm<TFrmAuto>(); }

TFrmAuto::TFrmAuto(QWidget* parent) : TFrmAutoKora_Trn(parent) { setObjectName(QStringLiteral("FrmAuto")); }

void TFrmAuto::IniciaCamposForm() {
    TFrmAutoKora_Trn::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2411));
    lbValor->hide();
    edValor->hide();
}

KORA_REGISTRA_GALERIA(FrmAuto, [] { return static_cast<QDialog*>(TFrmAuto::Cria()); })
KORA_REGISTRA_FORM(FrmAuto, TFrmAuto)
