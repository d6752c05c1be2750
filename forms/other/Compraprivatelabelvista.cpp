#include "Compraprivatelabelvista.h"

#include "Campos.h"
#include "Contextokora.h"
#include "framework/Galeriakora.h"

#include <QLabel>
#include <QLineEdit>

TFrmCpPrivLabel_Vista* FrmCpPrivLabel_Vista = nullptr;

TFrmCpPrivLabel_Vista* TFrmCpPrivLabel_Vista::Cria() { return TFrmMod::CriaForm<TFrmCpPrivLabel_Vista>(); }

TFrmCpPrivLabel_Vista::TFrmCpPrivLabel_Vista(QWidget* parent) : TFrmPrivLabel_Trn(parent) {
    setObjectName(QStringLiteral("FrmCpPrivLabel_Vista"));
}

void TFrmCpPrivLabel_Vista::IniciaCamposForm() {
    TFrmPrivLabel_Trn::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2650));
}

bool TFrmCpPrivLabel_Vista::GravaCamposPontal() {
    return TFrmTrn_Mod::GravaCamposPontal() && Campos::Grava(CAMPO_CODIGO_FINANCIAMENTO, QStringLiteral("0"));
}

// Typed by the operator: no amount from the host.
KORA_REGISTRA_GALERIA(FrmCpPrivLabel_Vista, [] {
    Campos::Limpa(CAMPO_VALOR_TRANSACAO);
    return static_cast<QDialog*>(TFrmCpPrivLabel_Vista::Cria());
})
KORA_REGISTRA_FORM(FrmCpPrivLabel_Vista, TFrmCpPrivLabel_Vista)
