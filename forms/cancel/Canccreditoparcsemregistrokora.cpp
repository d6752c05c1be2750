#include "cancel/Canccreditoparcsemregistrokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "cancel/Menucancelamentocredito.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmCancCredParc_SemRegLog* FrmCancCredParc_SemRegLog = nullptr;

TFrmCancCredParc_SemRegLog* TFrmCancCredParc_SemRegLog::Cria() {
    return TFrmMod::CriaForm<TFrmCancCredParc_SemRegLog>();
}

TFrmCancCredParc_SemRegLog::TFrmCancCredParc_SemRegLog(QWidget* parent) : TFrmCancCred_SemRegLog(parent) {
    setObjectName(QStringLiteral("FrmCancCredParc_SemRegLog"));
    Controles(this)
        .Rotulo(lbNumParc, "lbNumParc", pnCaptura, {20, 76, 200, 16}, "Parcelas:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edNumParc, "edNumParc", pnCaptura, {224, 72, 40, 24}, {.max = 2, .foco = 23});
    EdicaoDigitos(edNumParc);
    DefineEntradas({edValorCanc, edNumParc, btConfirma, btRetorna});
}

void TFrmCancCredParc_SemRegLog::IniciaCamposForm() {
    TFrmCancCred_SemRegLog::IniciaCamposForm();
    lbTitulo->setText(Mensagem(TagMenu(FrmCancCred_Mnu) == 2 ? 2618 : 2617));
    lbNumParc->setText(Mensagem(2616));
    edNumParc->clear();
}

bool TFrmCancCredParc_SemRegLog::ValidaNumParcelas() {
    const QString t = edNumParc->text().trimmed();
    if (!t.isEmpty() && t.toInt() >= 2) return true;
    return Recusa(1177, edNumParc);
}

bool TFrmCancCredParc_SemRegLog::ValidaCamposForm() { return ValidaNumParcelas(); }

bool TFrmCancCredParc_SemRegLog::GravaCamposPontal() {
    return Campos::Grava(CAMPO_QTD_PARCELAS, edNumParc->text()) && TFrmCancCred_SemRegLog::GravaCamposPontal();
}

KORA_REGISTRA_GALERIA(FrmCancCredParc_SemRegLog,
                      [] { return static_cast<QDialog*>(TFrmCancCredParc_SemRegLog::Cria()); })
KORA_REGISTRA_FORM(FrmCancCredParc_SemRegLog, TFrmCancCredParc_SemRegLog)
