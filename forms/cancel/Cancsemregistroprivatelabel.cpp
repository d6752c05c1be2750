#include "cancel/Cancsemregistroprivatelabel.h"

#include "Campos.h"
#include "Contextokora.h"
#include "cancel/Menucancelamentopl.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"
#include "platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmCancVendaPLVista_SemRegLog* FrmCancVendaPLVista_SemRegLog = nullptr;
TFrmCancVendaParcAdmPL_SemRegLog* FrmCancVendaParcAdmPL_SemRegLog = nullptr;
TFrmCancVendaParcLojaPL_SemRegLog* FrmCancVendaParcLojaPL_SemRegLog = nullptr;
TFrmCancVendaParcParcPL_SemRegLog* FrmCancVendaParcParcPL_SemRegLog = nullptr;
TFrmCancVendaPreDtdPL_SemRegLog* FrmCancVendaPreDtdPL_SemRegLog = nullptr;

namespace {
int Numero(const QLineEdit* ed) {
    bool ok = false;
    const int v = ed->text().trimmed().toInt(&ok);
    return ok ? v : 0;
}
} // namespace

// ---- At sight ----------------------------------------------------------------------
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

// ---- Instalments ---------------------------------------------------------------------
TFrmCancVendaParcPL_SemRegLog::TFrmCancVendaParcPL_SemRegLog(QWidget* parent) : TFrmCancVendaPL_SemRegLog(parent) {
    Controles(this)
        .Rotulo(lbNumParcelas, "lbNumParcelas", pnCaptura, {20, 76, 200, 16}, "Parcelas:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edNumParcelas, "edNumParcelas", pnCaptura, {224, 72, 40, 24}, {.max = 2, .foco = 23})
        .Rotulo(lbDiasPrimParc, "lbDiasPrimParc", pnCaptura, {20, 116, 200, 16},
                "Dias 1a. Parcela:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edDiasPrimParc, "edDiasPrimParc", pnCaptura, {224, 112, 50, 24}, {.max = 3, .foco = 2631});
    EdicaoDigitos(edNumParcelas);
    EdicaoDigitos(edDiasPrimParc);
    // The days count only for more than one instalment.
    Liga(edNumParcelas, &QLineEdit::textChanged, [this] { edNumParcelasEnter(); });
    DefineEntradas({edValorCanc, edNumParcelas, edDiasPrimParc, btConfirma, btRetorna});
}

int TFrmCancVendaParcPL_SemRegLog::Parcelas() const { return Numero(edNumParcelas); }

void TFrmCancVendaParcPL_SemRegLog::IniciaCamposForm() {
    TFrmCancVendaPL_SemRegLog::IniciaCamposForm();
    lbNumParcelas->setText(Mensagem(2629));
    lbDiasPrimParc->setText(Mensagem(2630));
    const QString parcelas = Campos::Le(CAMPO_QTD_PARCELAS);
    const QString dias = Campos::Le(CAMPO_DIAS_PRIMEIRA_PARCELA_PL);
    edNumParcelas->setText(parcelas);
    edDiasPrimParc->setText(dias);
    edNumParcelas->setEnabled(parcelas.isEmpty());
    edDiasPrimParc->setEnabled(dias.isEmpty() && bDiasPermitidos);
    lbDiasPrimParc->setEnabled(bDiasPermitidos);
}

void TFrmCancVendaParcPL_SemRegLog::edNumParcelasEnter() {
    if (bDiasPermitidos) edDiasPrimParc->setEnabled(Parcelas() > 1);
}

bool TFrmCancVendaParcPL_SemRegLog::GravaCamposPontal() {
    if (!TFrmCancVendaPL_SemRegLog::GravaCamposPontal()) return false;
    if (Parcelas() <= 1) {
        Campos::Limpa(CAMPO_QTD_PARCELAS);
        Campos::Limpa(CAMPO_DIAS_PRIMEIRA_PARCELA_PL);
        return true;
    }
    if (!Campos::Grava(CAMPO_QTD_PARCELAS, edNumParcelas->text())) return false;
    if (Numero(edDiasPrimParc) >= 2) return Campos::Grava(CAMPO_DIAS_PRIMEIRA_PARCELA_PL, edDiasPrimParc->text());
    Campos::Limpa(CAMPO_DIAS_PRIMEIRA_PARCELA_PL);
    return true;
}

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

// ---- Pre-dated -----------------------------------------------------------------------
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
REGISTRA(FrmCancVendaPLVista_SemRegLog)
REGISTRA(FrmCancVendaParcAdmPL_SemRegLog)
REGISTRA(FrmCancVendaParcLojaPL_SemRegLog)
REGISTRA(FrmCancVendaParcParcPL_SemRegLog)
REGISTRA(FrmCancVendaPreDtdPL_SemRegLog)
