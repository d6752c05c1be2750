#include "Atualizachip.h"

#include "Contextokora.h"
#include "framework/Galeriakora.h"

#include <QLabel>
#include <QLineEdit>

TFrmFrmAtualizaChip* FrmFrmAtualizaChip = nullptr;

TFrmFrmAtualizaChip* TFrmFrmAtualizaChip::Cria() { return TFrmMod::CriaForm<TFrmFrmAtualizaChip>(); }

TFrmFrmAtualizaChip::TFrmFrmAtualizaChip(QWidget* parent) : TFrmAtualizaChip_Trn(parent) {
    setObjectName(QStringLiteral("FrmFrmAtualizaChip"));
}

void TFrmFrmAtualizaChip::IniciaCamposForm() {
    TFrmAtualizaChip_Trn::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2675));
    lbValor->hide();
    edValor->hide();
}

KORA_REGISTRA_GALERIA(FrmFrmAtualizaChip, [] { return static_cast<QDialog*>(TFrmFrmAtualizaChip::Cria()); })
KORA_REGISTRA_FORM(FrmFrmAtualizaChip, TFrmFrmAtualizaChip)
