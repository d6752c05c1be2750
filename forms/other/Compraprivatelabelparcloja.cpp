#include "Compraprivatelabelparcloja.h"

#include "Campos.h"
#include "Contextokora.h"
#include "framework/Galeriakora.h"

#include <QLabel>

TFrmCpPrivLabel_ParcLoja* FrmCpPrivLabel_ParcLoja = nullptr;

TFrmCpPrivLabel_ParcLoja* TFrmCpPrivLabel_ParcLoja::Cria() { return TFrmMod::CriaForm<TFrmCpPrivLabel_ParcLoja>(); }

TFrmCpPrivLabel_ParcLoja::TFrmCpPrivLabel_ParcLoja(QWidget* parent) : TFrmCpPrivLabel_Parcelado(parent) {
    setObjectName(QStringLiteral("FrmCpPrivLabel_ParcLoja"));
}

void TFrmCpPrivLabel_ParcLoja::IniciaCamposForm() {
    TFrmCpPrivLabel_Parcelado::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2653));
    SemDiasPrimeiraParcela();
}

bool TFrmCpPrivLabel_ParcLoja::GravaCamposPontal() {
    return TFrmCpPrivLabel_Parcelado::GravaCamposPontal() &&
           Campos::Grava(CAMPO_CODIGO_FINANCIAMENTO, QStringLiteral("2"));
}

// Typed by the operator: no amount from the host.
KORA_REGISTRA_GALERIA(FrmCpPrivLabel_ParcLoja, [] {
    Campos::Limpa(CAMPO_VALOR_TRANSACAO);
    return static_cast<QDialog*>(TFrmCpPrivLabel_ParcLoja::Cria());
})
KORA_REGISTRA_FORM(FrmCpPrivLabel_ParcLoja, TFrmCpPrivLabel_ParcLoja)
