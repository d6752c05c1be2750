#include "cancel/Cancpagfatplsemregistrokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "cancel/Menucancelamentopagfatpl.h"
#include "framework/Galeriakora.h"

#include <QLabel>

TFrmCancPFPL_SemRegLog* FrmCancPFPL_SemRegLog = nullptr;

TFrmCancPFPL_SemRegLog* TFrmCancPFPL_SemRegLog::Cria() { return TFrmMod::CriaForm<TFrmCancPFPL_SemRegLog>(); }
TFrmCancPFPL_SemRegLog::TFrmCancPFPL_SemRegLog(QWidget* parent) : TFrmCanc_SemRegLogTrn(parent) {
    setObjectName(QStringLiteral("FrmCancPFPL_SemRegLog"));
}
void TFrmCancPFPL_SemRegLog::IniciaCamposForm() {
    TFrmCanc_SemRegLogTrn::IniciaCamposForm();
    lbTitulo->setText(Mensagem(TagMenu(FrmCancPFPL_Mnu) == 2 ? 2624 : 2623));
}
bool TFrmCancPFPL_SemRegLog::GravaCamposPontal() {
    return TFrmCanc_SemRegLogTrn::GravaCamposPontal() &&
           Campos::Grava(CAMPO_TIPO_PAGTO_FATURA_CNC, QString::number(TagMenu(FrmCancPFPL_Mnu)));
}

KORA_REGISTRA_GALERIA(FrmCancPFPL_SemRegLog, [] { return static_cast<QDialog*>(TFrmCancPFPL_SemRegLog::Cria()); })
KORA_REGISTRA_FORM(FrmCancPFPL_SemRegLog, TFrmCancPFPL_SemRegLog)
