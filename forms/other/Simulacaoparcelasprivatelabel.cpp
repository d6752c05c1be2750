#include "Simulacaoparcelasprivatelabel.h"

#include "Campos.h"
#include "Contextokora.h"
#include "framework/Galeriakora.h"

#include <QLabel>
#include <QLineEdit>

TFrmCpPrivLabel_SimulParc* FrmCpPrivLabel_SimulParc = nullptr;

TFrmCpPrivLabel_SimulParc* TFrmCpPrivLabel_SimulParc::Cria() { return TFrmMod::CriaForm<TFrmCpPrivLabel_SimulParc>(); }

TFrmCpPrivLabel_SimulParc::TFrmCpPrivLabel_SimulParc(QWidget* parent) : TFrmCpPrivLabel_Parcelado(parent) {
    setObjectName(QStringLiteral("FrmCpPrivLabel_SimulParc"));
}

void TFrmCpPrivLabel_SimulParc::IniciaCamposForm() {
    TFrmCpPrivLabel_Parcelado::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2672));
}

bool TFrmCpPrivLabel_SimulParc::ValidaCamposForm() {
    if (!TFrmCpPrivLabel_Parcelado::ValidaCamposForm()) return false;
    if (edNumParcelas->text().toInt() > 1) return true;
    RecusaEdicao(edNumParcelas, 2673);
    return false;
}

// Typed by the operator: no amount from the host.
KORA_REGISTRA_GALERIA(FrmCpPrivLabel_SimulParc, [] {
    Campos::Limpa(CAMPO_VALOR_TRANSACAO);
    return static_cast<QDialog*>(TFrmCpPrivLabel_SimulParc::Cria());
})
KORA_REGISTRA_FORM(FrmCpPrivLabel_SimulParc, TFrmCpPrivLabel_SimulParc)
