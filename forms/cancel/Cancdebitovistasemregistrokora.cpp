#include "cancel/Cancdebitovistasemregistrokora.h"

#include "Contextokora.h"
#include "framework/Galeriakora.h"

#include <QLabel>

TFrmCancDebVista_SemRegLog* FrmCancDebVista_SemRegLog = nullptr;

TFrmCancDebVista_SemRegLog* TFrmCancDebVista_SemRegLog::Cria() {
    return TFrmMod::CriaForm<TFrmCancDebVista_SemRegLog>();
}

TFrmCancDebVista_SemRegLog::TFrmCancDebVista_SemRegLog(QWidget* parent) : TFrmCancDeb_SemRegLog(parent) {
    setObjectName(QStringLiteral("FrmCancDebVista_SemRegLog"));
}

void TFrmCancDebVista_SemRegLog::IniciaCamposForm() {
    TFrmCancDeb_SemRegLog::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2621));
}

KORA_REGISTRA_GALERIA(FrmCancDebVista_SemRegLog,
                      [] { return static_cast<QDialog*>(TFrmCancDebVista_SemRegLog::Cria()); })
KORA_REGISTRA_FORM(FrmCancDebVista_SemRegLog, TFrmCancDebVista_SemRegLog)
