#include "Consultasaldoprivatelabel.h"

#include "Campos.h"
#include "Contextokora.h"
#include "framework/Galeriakora.h"

#include <QLabel>
#include <QLineEdit>

TFrmPrivLabel_ConsSaldo* FrmPrivLabel_ConsSaldo = nullptr;

TFrmPrivLabel_ConsSaldo* TFrmPrivLabel_ConsSaldo::Cria() { return TFrmMod::CriaForm<TFrmPrivLabel_ConsSaldo>(); }

TFrmPrivLabel_ConsSaldo::TFrmPrivLabel_ConsSaldo(QWidget* parent) : TFrmPrivLabel_Trn(parent) {
    setObjectName(QStringLiteral("FrmPrivLabel_ConsSaldo"));
}

void TFrmPrivLabel_ConsSaldo::IniciaCamposForm() {
    TFrmPrivLabel_Trn::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2671));
    lbValor->hide();
    edValor->hide();
}

KORA_REGISTRA_GALERIA(FrmPrivLabel_ConsSaldo, [] { return static_cast<QDialog*>(TFrmPrivLabel_ConsSaldo::Cria()); })
KORA_REGISTRA_FORM(FrmPrivLabel_ConsSaldo, TFrmPrivLabel_ConsSaldo)
