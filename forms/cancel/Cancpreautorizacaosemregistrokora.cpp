#include "cancel/Cancpreautorizacaosemregistrokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "framework/Galeriakora.h"

#include <QLabel>

TFrmCancPreAut_SemRegLog* FrmCancPreAut_SemRegLog = nullptr;

TFrmCancPreAut_SemRegLog* TFrmCancPreAut_SemRegLog::Cria() { return TFrmMod::CriaForm<TFrmCancPreAut_SemRegLog>(); }
TFrmCancPreAut_SemRegLog::TFrmCancPreAut_SemRegLog(QWidget* parent) : TFrmCanc_SemRegLogTrn(parent) {
    setObjectName(QStringLiteral("FrmCancPreAut_SemRegLog"));
}
void TFrmCancPreAut_SemRegLog::IniciaCamposForm() {
    TFrmCanc_SemRegLogTrn::IniciaCamposForm();
    lbTitulo->setText(Mensagem(469));
}
bool TFrmCancPreAut_SemRegLog::GravaCamposPontal() {
    return TFrmCanc_SemRegLogTrn::GravaCamposPontal() &&
           Campos::Grava(CAMPO_CODIGO_TIPO_TRANSACAO, QStringLiteral("19"));
}

KORA_REGISTRA_GALERIA(FrmCancPreAut_SemRegLog, [] { return static_cast<QDialog*>(TFrmCancPreAut_SemRegLog::Cria()); })
KORA_REGISTRA_FORM(FrmCancPreAut_SemRegLog, TFrmCancPreAut_SemRegLog)
