#include "Confpreautorizacaokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "bromo.h"
#include "capture/Filtroteclakora.h"
#include "framework/Controleskora.h"
#include "platform.h"
#include "pontal.h"
#include "transaction/Descritoreskora.h"

#include <QDate>
#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmCnf_Pre* FrmCnf_Pre = nullptr;

TFrmCnf_Pre* TFrmCnf_Pre::Cria() { return TFrmMod::CriaForm<TFrmCnf_Pre>(); }

TFrmCnf_Pre::TFrmCnf_Pre(QWidget* parent) : TFrmPre_Trn(parent) {
    setObjectName(QStringLiteral("FrmCnf_Pre"));
    const unsigned rotulo = Ctl::Direita | Ctl::Transparente;
    Controles(this)
        .Rotulo(lbDataTransacao, "lbDataTransacao", pnCaptura, {8, 132, 130, 15}, "Data da Transação:", rotulo)
        .Mascara(edDataTransacao, "edDataTransacao", pnCaptura, {144, 128, 101, 24}, "!99/99/9999;_",
                 {.max = 10, .foco = 37})
        .Rotulo(lbCodAutorizacao, "lbCodAutorizacao", pnCaptura, {263, 132, 148, 15}, "Código de Autorização:", rotulo)
        .Edicao(edCodAutorizacao, "edCodAutorizacao", pnCaptura, {440, 128, 101, 24}, {.max = 6, .foco = 36})
        .Rotulo(lbNumDocumento, "lbNumDocumento", pnCaptura, {8, 172, 130, 15}, "NSU:", rotulo)
        .Edicao(edNumDocumento, "edNumDocumento", pnCaptura, {144, 168, 101, 24}, {.max = 6, .foco = 52})
        .Rotulo(lbCodEmpresa, "lbCodEmpresa", pnCaptura, {263, 172, 148, 15}, "Código da Empresa:", rotulo)
        .Edicao(edCodEmpresa, "edCodEmpresa", pnCaptura, {440, 168, 101, 24}, {.max = 8, .foco = 53});
    OrdemTab({edValor, edTaxaEmbarque, edTaxaServico, edDataTransacao, edCodAutorizacao, edNumDocumento, edCodEmpresa,
              btConfirma, btRetorna});
}

bool TFrmCnf_Pre::FiltraEvento(QObject* obj, QEvent* ev) {
    if ((obj == edCodAutorizacao || obj == edCodEmpresa) && TeclaRecusada(ev)) return true;
    if (obj == edNumDocumento && TeclaRecusada(ev, ",.")) return true;
    return TFrmPre_Trn::FiltraEvento(obj, ev);
}

namespace {
// Text of a field, or empty; the edit takes it and stays open only when empty.
void PreencheTravado(QLineEdit* ed, int campo) {
    ed->setText(Campos::Le(campo));
    ed->setEnabled(ed->text().isEmpty());
}
} // namespace

void TFrmCnf_Pre::IniciaCamposForm() {
    TFrmPre_Trn::IniciaCamposForm();
    pTransacao = &TrnConfirmacaoPreAut;
    lbDataTransacao->setText(Mensagem(564));
    lbCodAutorizacao->setText(Mensagem(561));
    lbNumDocumento->setText(Mensagem(783));
    lbCodEmpresa->setText(Mensagem(569));
    edCodEmpresa->setText(Campos::Le(CAMPO_CODIGO_EMPRESA));
    edCodEmpresa->setEnabled(PontalCapturaCodigoEmpresa() == 1);
    // What the host supplies, the operator cannot change.
    const QString data = Campos::Le(CAMPO_DATA_ORIGINAL).trimmed();
    edDataTransacao->clear();
    edDataTransacao->setEnabled(data.isEmpty());
    if (!data.isEmpty())
        edDataTransacao->setText(data.left(2) + QLatin1Char('/') + data.mid(2, 2) + QLatin1Char('/') + data.mid(4, 4));
    PreencheTravado(edNumDocumento, CAMPO_NSU_ORIGINAL);
    PreencheTravado(edCodAutorizacao, CAMPO_AUTORIZACAO_PRE);
}

bool TFrmCnf_Pre::ValidaCamposForm() {
    if (!TFrmPre_Trn::ValidaCamposForm()) return false;
    const QDate data = QDate::fromString(edDataTransacao->text(), QStringLiteral("dd/MM/yyyy"));
    int mensagem = 0;
    if (!data.isValid())
        mensagem = 324;
    else if (QDateTime(data, QTime(0, 0)) > Plataforma::Agora())
        mensagem = 323;
    if (mensagem != 0) {
        CaixaMensagem(Mensagem(mensagem), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
        pnCaptura->setEnabled(true);
        edDataTransacao->setEnabled(true);
        edDataTransacao->clear();
        edDataTransacao->setFocus();
        return false;
    }
    if (edCodAutorizacao->text().trimmed().isEmpty()) {
        CaixaMensagem(Mensagem(329), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
        pnCaptura->setEnabled(true);
        edCodAutorizacao->setEnabled(true);
        edCodAutorizacao->clear();
        edCodAutorizacao->setFocus();
        return false;
    }
    return true;
}

bool TFrmCnf_Pre::GravaCamposPontal() {
    if (!TFrmPre_Trn::GravaCamposPontal()) return false;
    if (!Campos::Grava(CAMPO_DATA_ORIGINAL, RemoveFormato(edDataTransacao->text()))) return false;
    const QString codigo = edCodAutorizacao->text().trimmed();
    if (!codigo.isEmpty() && !Campos::Grava(CAMPO_AUTORIZACAO_PRE_ORIGINAL, codigo)) return false;
    const QString nsu = edNumDocumento->text();
    if (!nsu.isEmpty() && !Campos::Grava(CAMPO_NSU_ORIGINAL, nsu)) return false;
    const QString empresa = edCodEmpresa->text();
    if (!empresa.isEmpty() && !Campos::Grava(CAMPO_CODIGO_EMPRESA, empresa)) return false;
    return Campos::Grava(CAMPO_CODIGO_REQUISICAO, QStringLiteral("3"));
}
