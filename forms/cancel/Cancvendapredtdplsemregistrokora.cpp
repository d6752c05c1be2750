#include "cancel/Cancvendapredtdplsemregistrokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmCancVendaPreDtdPL_SemRegLog* FrmCancVendaPreDtdPL_SemRegLog = nullptr;

TFrmCancVendaPreDtdPL_SemRegLog* TFrmCancVendaPreDtdPL_SemRegLog::Cria() {
    return TFrmMod::CriaForm<TFrmCancVendaPreDtdPL_SemRegLog>();
}
TFrmCancVendaPreDtdPL_SemRegLog::TFrmCancVendaPreDtdPL_SemRegLog(QWidget* parent) : TFrmCancVendaPL_SemRegLog(parent) {
    setObjectName(QStringLiteral("FrmCancVendaPreDtdPL_SemRegLog"));
    Controles(this)
        .Rotulo(lbQtdeDias, "lbQtdeDias", pnCaptura, {20, 76, 200, 16}, "Dias:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edQtdeDias, "edQtdeDias", pnCaptura, {224, 72, 50, 24}, {.max = 3, .foco = 2638});
    EdicaoDigitos(edQtdeDias);
    DefineEntradas({edValorCanc, edQtdeDias, btConfirma, btRetorna});
}
void TFrmCancVendaPreDtdPL_SemRegLog::IniciaCamposForm() {
    TFrmCancVendaPL_SemRegLog::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2636));
    lbQtdeDias->setText(Mensagem(2635));
}
bool TFrmCancVendaPreDtdPL_SemRegLog::ValidaCamposForm() { return Numero(edQtdeDias) > 1 || Recusa(2637, edQtdeDias); }
bool TFrmCancVendaPreDtdPL_SemRegLog::GravaCamposPontal() {
    return TFrmCancVendaPL_SemRegLog::GravaCamposPontal() &&
           Campos::Grava(CAMPO_CODIGO_FINANCIAMENTO, QStringLiteral("3")) &&
           Campos::Grava(CAMPO_DIAS_PRIMEIRA_PARCELA_PL, edQtdeDias->text());
}

#define REGISTRA(nome)                                                                                                 \
    KORA_REGISTRA_GALERIA(nome, [] { return static_cast<QDialog*>(T##nome::Cria()); }) KORA_REGISTRA_FORM(nome, T##nome)
REGISTRA(FrmCancVendaPreDtdPL_SemRegLog)
