#include "Consultasaldo.h"

#include "Contextokora.h"
#include "framework/Galeriakora.h"

#include <QLabel>
#include <QLineEdit>

TFrmConsSaldo* FrmConsSaldo = nullptr;

TFrmConsSaldo* TFrmConsSaldo::Cria() { return TFrmMod::CriaForm<TFrmConsSaldo>(); }

TFrmConsSaldo::TFrmConsSaldo(QWidget* parent) : TFrmConsultaSaldo_Trn(parent) {
    setObjectName(QStringLiteral("FrmConsSaldo"));
}

void TFrmConsSaldo::IniciaCamposForm() {
    TFrmConsultaSaldo_Trn::IniciaCamposForm();
    lbTitulo->setText(Mensagem(1327));
    lbValor->hide();
    edValor->hide();
}

KORA_REGISTRA_GALERIA(FrmConsSaldo, [] { return static_cast<QDialog*>(TFrmConsSaldo::Cria()); })
KORA_REGISTRA_FORM(FrmConsSaldo, TFrmConsSaldo)
