#include "cancel/Cancvendaparclojaplsemregistrokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "framework/Galeriakora.h"

#include <QLabel>

TFrmCancVendaParcLojaPL_SemRegLog* FrmCancVendaParcLojaPL_SemRegLog = nullptr;

TFrmCancVendaParcLojaPL_SemRegLog* TFrmCancVendaParcLojaPL_SemRegLog::Cria() {
    return TFrmMod::CriaForm<TFrmCancVendaParcLojaPL_SemRegLog>();
}
TFrmCancVendaParcLojaPL_SemRegLog::TFrmCancVendaParcLojaPL_SemRegLog(QWidget* parent)
    : TFrmCancVendaParcPL_SemRegLog(parent) {
    setObjectName(QStringLiteral("FrmCancVendaParcLojaPL_SemRegLog"));
    bDiasPermitidos = false;
}
void TFrmCancVendaParcLojaPL_SemRegLog::IniciaCamposForm() {
    TFrmCancVendaParcPL_SemRegLog::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2633));
}
bool TFrmCancVendaParcLojaPL_SemRegLog::GravaCamposPontal() {
    return TFrmCancVendaParcPL_SemRegLog::GravaCamposPontal() &&
           Campos::Grava(CAMPO_CODIGO_FINANCIAMENTO, QStringLiteral("2"));
}

#define REGISTRA(nome)                                                                                                 \
    KORA_REGISTRA_GALERIA(nome, [] { return static_cast<QDialog*>(T##nome::Cria()); }) KORA_REGISTRA_FORM(nome, T##nome)
REGISTRA(FrmCancVendaParcLojaPL_SemRegLog)
