#include "cancel/Cancvendaparcadmplsemregistrokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "framework/Galeriakora.h"

#include <QLabel>

TFrmCancVendaParcAdmPL_SemRegLog* FrmCancVendaParcAdmPL_SemRegLog = nullptr;

TFrmCancVendaParcAdmPL_SemRegLog* TFrmCancVendaParcAdmPL_SemRegLog::Cria() {
    return TFrmMod::CriaForm<TFrmCancVendaParcAdmPL_SemRegLog>();
}
TFrmCancVendaParcAdmPL_SemRegLog::TFrmCancVendaParcAdmPL_SemRegLog(QWidget* parent)
    : TFrmCancVendaParcPL_SemRegLog(parent) {
    setObjectName(QStringLiteral("FrmCancVendaParcAdmPL_SemRegLog"));
    bDiasPermitidos = false;
}
void TFrmCancVendaParcAdmPL_SemRegLog::IniciaCamposForm() {
    TFrmCancVendaParcPL_SemRegLog::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2632));
}
bool TFrmCancVendaParcAdmPL_SemRegLog::GravaCamposPontal() {
    return TFrmCancVendaParcPL_SemRegLog::GravaCamposPontal() &&
           Campos::Grava(CAMPO_CODIGO_FINANCIAMENTO, QStringLiteral("1")) &&
           Campos::Grava(CAMPO_TIPO_FINANCIAMENTO, QStringLiteral("1"));
}

#define REGISTRA(nome)                                                                                                 \
    KORA_REGISTRA_GALERIA(nome, [] { return static_cast<QDialog*>(T##nome::Cria()); }) KORA_REGISTRA_FORM(nome, T##nome)
REGISTRA(FrmCancVendaParcAdmPL_SemRegLog)
