#include "cancel/Cancsemregistrooutros.h"

#include "Campos.h"
#include "Contextokora.h"
#include "cancel/Menucancelamentopl.h"
#include "framework/Galeriakora.h"

#include <QLabel>

TFrmCancPC_SemRegLog* FrmCancPC_SemRegLog = nullptr;
TFrmCancPreAut_SemRegLog* FrmCancPreAut_SemRegLog = nullptr;
TFrmCancPFPL_SemRegLog* FrmCancPFPL_SemRegLog = nullptr;

TFrmCancPC_SemRegLog* TFrmCancPC_SemRegLog::Cria() { return TFrmMod::CriaForm<TFrmCancPC_SemRegLog>(); }
TFrmCancPC_SemRegLog::TFrmCancPC_SemRegLog(QWidget* parent) : TFrmCanc_SemRegLogTrn(parent) {
    setObjectName(QStringLiteral("FrmCancPC_SemRegLog"));
}
void TFrmCancPC_SemRegLog::IniciaCamposForm() {
    TFrmCanc_SemRegLogTrn::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2622));
}

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

KORA_REGISTRA_GALERIA(FrmCancPC_SemRegLog, [] { return static_cast<QDialog*>(TFrmCancPC_SemRegLog::Cria()); })
KORA_REGISTRA_FORM(FrmCancPC_SemRegLog, TFrmCancPC_SemRegLog)
KORA_REGISTRA_GALERIA(FrmCancPreAut_SemRegLog, [] { return static_cast<QDialog*>(TFrmCancPreAut_SemRegLog::Cria()); })
KORA_REGISTRA_FORM(FrmCancPreAut_SemRegLog, TFrmCancPreAut_SemRegLog)
KORA_REGISTRA_GALERIA(FrmCancPFPL_SemRegLog, [] { return static_cast<QDialog*>(TFrmCancPFPL_SemRegLog::Cria()); })
KORA_REGISTRA_FORM(FrmCancPFPL_SemRegLog, TFrmCancPFPL_SemRegLog)
