#include "cancel/Cancdebitopresemregistrokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "bromo.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"
#include "transaction/Descritoreskora.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmCancDebPre_SemRegLog* FrmCancDebPre_SemRegLog = nullptr;

TFrmCancDebPre_SemRegLog* TFrmCancDebPre_SemRegLog::Cria() { return TFrmMod::CriaForm<TFrmCancDebPre_SemRegLog>(); }

TFrmCancDebPre_SemRegLog::TFrmCancDebPre_SemRegLog(QWidget* parent) : TFrmCancDeb_SemRegLog(parent) {
    setObjectName(QStringLiteral("FrmCancDebPre_SemRegLog"));
    Controles(this)
        .Rotulo(lbDataPrd, "lbDataPrd", pnCaptura, {20, 76, 200, 16}, "Data:", Ctl::Direita | Ctl::Destaque)
        .Mascara(edDataPrd, "edDataPrd", pnCaptura, {224, 72, 101, 24}, "99/99/9999;_", {.max = 10, .foco = 2602});
    EdicaoDigitos(edDataPrd);
    DefineEntradas({edValorCanc, edDataPrd, btConfirma, btRetorna});
}

void TFrmCancDebPre_SemRegLog::IniciaCamposForm() {
    TFrmCancDeb_SemRegLog::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2619));
    lbDataPrd->setText(Mensagem(563));
    edDataPrd->clear();
}

bool TFrmCancDebPre_SemRegLog::VerificaDataPre() {
    const QString t = edDataPrd->text().trimmed();
    if (t.size() != 10) return false;
    const QDate d = QDate::fromString(t, kFormatoData);
    if (!d.isValid()) return false;
    const QDate venda = DataVenda();
    return !venda.isValid() || d > venda;
}

bool TFrmCancDebPre_SemRegLog::ValidaCamposForm() { return VerificaDataPre() || Recusa(787, edDataPrd); }

bool TFrmCancDebPre_SemRegLog::GravaCamposPontal() {
    if (!TFrmCancDeb_SemRegLog::GravaCamposPontal()) return false;
    const QString d = RemoveFormato(edDataPrd->text());
    if (d.isEmpty()) return true;
    if (!Campos::Grava(CAMPO_DATA_PREDATADO, d)) return false;
    DefineDataPreCDCCancelamento(TextoData("019:", d));
    return true;
}

KORA_REGISTRA_GALERIA(FrmCancDebPre_SemRegLog, [] { return static_cast<QDialog*>(TFrmCancDebPre_SemRegLog::Cria()); })
KORA_REGISTRA_FORM(FrmCancDebPre_SemRegLog, TFrmCancDebPre_SemRegLog)
