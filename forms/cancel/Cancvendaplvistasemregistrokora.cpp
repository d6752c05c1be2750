#include "cancel/Cancvendaplvistasemregistrokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "framework/Galeriakora.h"

#include <QLabel>

TFrmCancVendaPLVista_SemRegLog* FrmCancVendaPLVista_SemRegLog = nullptr;

TFrmCancVendaPLVista_SemRegLog* TFrmCancVendaPLVista_SemRegLog::Cria() {
    return TFrmMod::CriaForm<TFrmCancVendaPLVista_SemRegLog>();
}
TFrmCancVendaPLVista_SemRegLog::TFrmCancVendaPLVista_SemRegLog(QWidget* parent) : TFrmCancVendaPL_SemRegLog(parent) {
    setObjectName(QStringLiteral("FrmCancVendaPLVista_SemRegLog"));
}
void TFrmCancVendaPLVista_SemRegLog::IniciaCamposForm() {
    TFrmCancVendaPL_SemRegLog::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2628));
}
bool TFrmCancVendaPLVista_SemRegLog::GravaCamposPontal() {
    return TFrmCancVendaPL_SemRegLog::GravaCamposPontal() &&
           Campos::Grava(CAMPO_CODIGO_FINANCIAMENTO, QStringLiteral("0"));
}

#define REGISTRA(nome)                                                                                                 \
    KORA_REGISTRA_GALERIA(nome, [] { return static_cast<QDialog*>(T##nome::Cria()); }) KORA_REGISTRA_FORM(nome, T##nome)
REGISTRA(FrmCancVendaPLVista_SemRegLog)
