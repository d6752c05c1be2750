#include "cancel/Cancdebitocdcsemregistrokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "bromo.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"
#include "platform.h"
#include "transaction/Descritoreskora.h"

#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmCancDebCDC_SemRegLog* FrmCancDebCDC_SemRegLog = nullptr;

TFrmCancDebCDC_SemRegLog* TFrmCancDebCDC_SemRegLog::Cria() { return TFrmMod::CriaForm<TFrmCancDebCDC_SemRegLog>(); }

TFrmCancDebCDC_SemRegLog::TFrmCancDebCDC_SemRegLog(QWidget* parent) : TFrmCancDeb_SemRegLog(parent) {
    setObjectName(QStringLiteral("FrmCancDebCDC_SemRegLog"));
    Controles(this)
        .Rotulo(lbNumParcelas, "lbNumParcelas", pnCaptura, {20, 76, 200, 16}, "Parcelas:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edNumParcelas, "edNumParcelas", pnCaptura, {224, 72, 40, 24}, {.max = 2, .foco = 23})
        .Rotulo(lbDtPrimeiraParcela, "lbDtPrimeiraParcela", pnCaptura, {20, 116, 200, 16},
                "1a. Parcela:", Ctl::Direita | Ctl::Destaque)
        .Mascara(edDtPrimeiraParcela, "edDtPrimeiraParcela", pnCaptura, {224, 112, 101, 24}, "99/99/9999;_",
                 {.max = 10, .foco = 33});
    EdicaoDigitos(edNumParcelas);
    EdicaoDigitos(edDtPrimeiraParcela);
    edDtPrimeiraParcela->installEventFilter(this);
    DefineEntradas({edValorCanc, edNumParcelas, edDtPrimeiraParcela, btConfirma, btRetorna});
}

bool TFrmCancDebCDC_SemRegLog::FiltraEvento(QObject* obj, QEvent* ev) {
    if (obj == edDtPrimeiraParcela && ev->type() == QEvent::FocusOut) edDtPrimeiraParcelaExit();
    return TFrmCancDeb_SemRegLog::FiltraEvento(obj, ev);
}

void TFrmCancDebCDC_SemRegLog::IniciaCamposForm() {
    TFrmCancDeb_SemRegLog::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2620));
    lbNumParcelas->setText(Mensagem(2616));
    lbDtPrimeiraParcela->setText(Mensagem(2604));
    edNumParcelas->clear();
    edDtPrimeiraParcela->clear();
}

void TFrmCancDebCDC_SemRegLog::edDtPrimeiraParcelaExit() {
    if (!TemDigitos(edDtPrimeiraParcela->text()))
        edDtPrimeiraParcela->setText(Plataforma::Agora().date().toString(kFormatoData));
}

bool TFrmCancDebCDC_SemRegLog::ValidaNumParcelas() {
    const QString t = edNumParcelas->text().trimmed();
    if (!t.isEmpty() && t.toInt() >= 2) return true;
    return Recusa(1177, edNumParcelas);
}

bool TFrmCancDebCDC_SemRegLog::VerificaDataPrimParc() {
    const QString t = edDtPrimeiraParcela->text().trimmed();
    if (!TemDigitos(t))
        edDtPrimeiraParcelaExit();
    else if (t.size() < 10)
        return false;
    const QDate d = QDate::fromString(edDtPrimeiraParcela->text().trimmed(), kFormatoData);
    if (!d.isValid()) return false;
    const QDate venda = DataVenda();
    return !venda.isValid() || d >= venda;
}

bool TFrmCancDebCDC_SemRegLog::ValidaCamposForm() {
    if (!ValidaNumParcelas()) return false;
    if (VerificaDataPrimParc()) return true;
    return Recusa(787, edDtPrimeiraParcela);
}

bool TFrmCancDebCDC_SemRegLog::GravaCamposPontal() {
    if (!TFrmCancDeb_SemRegLog::GravaCamposPontal()) return false;
    if (!Campos::Grava(CAMPO_QTD_PARCELAS, edNumParcelas->text())) return false;
    const QString d = RemoveFormato(edDtPrimeiraParcela->text());
    if (d.isEmpty()) return true;
    if (!Campos::Grava(CAMPO_DATA_PREDATADO, d)) return false;
    DefineDataPreCDCCancelamento(TextoData("016:", d));
    return true;
}

KORA_REGISTRA_GALERIA(FrmCancDebCDC_SemRegLog, [] { return static_cast<QDialog*>(TFrmCancDebCDC_SemRegLog::Cria()); })
KORA_REGISTRA_FORM(FrmCancDebCDC_SemRegLog, TFrmCancDebCDC_SemRegLog)
