#include "cancel/Cancvendaparcparcplsemregistrokora.h"

#include "Contextokora.h"
#include "cancel/Cancvendaplvistasemregistrokora.h"
#include "cancel/Menucancelamentocompraparcprivatelabel.h"
#include "framework/Galeriakora.h"
#include "platform.h"

#include <QLabel>

TFrmCancVendaParcParcPL_SemRegLog* FrmCancVendaParcParcPL_SemRegLog = nullptr;

TFrmCancVendaParcParcPL_SemRegLog* TFrmCancVendaParcParcPL_SemRegLog::Cria() {
    return TFrmMod::CriaForm<TFrmCancVendaParcParcPL_SemRegLog>();
}
TFrmCancVendaParcParcPL_SemRegLog::TFrmCancVendaParcParcPL_SemRegLog(QWidget* parent)
    : TFrmCancVendaParcPL_SemRegLog(parent) {
    setObjectName(QStringLiteral("FrmCancVendaParcParcPL_SemRegLog"));
}
void TFrmCancVendaParcParcPL_SemRegLog::IniciaCamposForm() {
    TFrmCancVendaParcPL_SemRegLog::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2634));
}
void TFrmCancVendaParcParcPL_SemRegLog::btConfirmaClick() {
    if (!GravaCamposPontal()) return;
    const auto falha = [this](const char* nome) {
        CaixaMensagem(FormataMensagem(Mensagem(802), nome), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    };
    if (Parcelas() <= 1) {
        if (!CriaExecutaForm<TFrmCancVendaPLVista_SemRegLog>(this, FrmCancVendaPLVista_SemRegLog))
            falha("FrmCancVendaPLVista_SemRegLog");
    } else if (!CriaExecutaForm<TFrmCancParcPL_Mnu>(this, FrmCancParcPL_Mnu)) {
        falha("FrmCancParcPL_Mnu");
    }
}

#define REGISTRA(nome)                                                                                                 \
    KORA_REGISTRA_GALERIA(nome, [] { return static_cast<QDialog*>(T##nome::Cria()); }) KORA_REGISTRA_FORM(nome, T##nome)
REGISTRA(FrmCancVendaParcParcPL_SemRegLog)
