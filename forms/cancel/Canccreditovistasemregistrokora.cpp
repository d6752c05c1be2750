#include "cancel/Canccreditovistasemregistrokora.h"

#include "Contextokora.h"
#include "framework/Galeriakora.h"

#include <QLabel>

TFrmCancCredVista_SemRegLog* FrmCancCredVista_SemRegLog = nullptr;

TFrmCancCredVista_SemRegLog* TFrmCancCredVista_SemRegLog::Cria() {
    return TFrmMod::CriaForm<TFrmCancCredVista_SemRegLog>();
}

TFrmCancCredVista_SemRegLog::TFrmCancCredVista_SemRegLog(QWidget* parent) : TFrmCancCred_SemRegLog(parent) {
    setObjectName(QStringLiteral("FrmCancCredVista_SemRegLog"));
}

void TFrmCancCredVista_SemRegLog::IniciaCamposForm() {
    TFrmCancCred_SemRegLog::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2615));
}

KORA_REGISTRA_GALERIA(FrmCancCredVista_SemRegLog,
                      [] { return static_cast<QDialog*>(TFrmCancCredVista_SemRegLog::Cria()); })
KORA_REGISTRA_FORM(FrmCancCredVista_SemRegLog, TFrmCancCredVista_SemRegLog)
