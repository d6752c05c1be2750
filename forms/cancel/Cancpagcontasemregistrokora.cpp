#include "cancel/Cancpagcontasemregistrokora.h"

#include "Contextokora.h"
#include "framework/Galeriakora.h"

#include <QLabel>

TFrmCancPC_SemRegLog* FrmCancPC_SemRegLog = nullptr;

TFrmCancPC_SemRegLog* TFrmCancPC_SemRegLog::Cria() { return TFrmMod::CriaForm<TFrmCancPC_SemRegLog>(); }
TFrmCancPC_SemRegLog::TFrmCancPC_SemRegLog(QWidget* parent) : TFrmCanc_SemRegLogTrn(parent) {
    setObjectName(QStringLiteral("FrmCancPC_SemRegLog"));
}
void TFrmCancPC_SemRegLog::IniciaCamposForm() {
    TFrmCanc_SemRegLogTrn::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2622));
}

KORA_REGISTRA_GALERIA(FrmCancPC_SemRegLog, [] { return static_cast<QDialog*>(TFrmCancPC_SemRegLog::Cria()); })
KORA_REGISTRA_FORM(FrmCancPC_SemRegLog, TFrmCancPC_SemRegLog)
