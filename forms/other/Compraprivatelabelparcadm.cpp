#include "Compraprivatelabelparcadm.h"

#include "Campos.h"
#include "Contextokora.h"
#include "framework/Galeriakora.h"

#include <QLabel>

TFrmCpPrivLabel_ParcAdm* FrmCpPrivLabel_ParcAdm = nullptr;

TFrmCpPrivLabel_ParcAdm* TFrmCpPrivLabel_ParcAdm::Cria() { return TFrmMod::CriaForm<TFrmCpPrivLabel_ParcAdm>(); }

TFrmCpPrivLabel_ParcAdm::TFrmCpPrivLabel_ParcAdm(QWidget* parent) : TFrmCpPrivLabel_Parcelado(parent) {
    setObjectName(QStringLiteral("FrmCpPrivLabel_ParcAdm"));
}

void TFrmCpPrivLabel_ParcAdm::IniciaCamposForm() {
    TFrmCpPrivLabel_Parcelado::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2652));
    SemDiasPrimeiraParcela();
}

bool TFrmCpPrivLabel_ParcAdm::GravaCamposPontal() {
    return TFrmCpPrivLabel_Parcelado::GravaCamposPontal() &&
           Campos::Grava(CAMPO_CODIGO_FINANCIAMENTO, QStringLiteral("1")) &&
           Campos::Grava(CAMPO_TIPO_FINANCIAMENTO, QStringLiteral("1"));
}

// Typed by the operator: no amount from the host.
KORA_REGISTRA_GALERIA(FrmCpPrivLabel_ParcAdm, [] {
    Campos::Limpa(CAMPO_VALOR_TRANSACAO);
    return static_cast<QDialog*>(TFrmCpPrivLabel_ParcAdm::Cria());
})
KORA_REGISTRA_FORM(FrmCpPrivLabel_ParcAdm, TFrmCpPrivLabel_ParcAdm)
