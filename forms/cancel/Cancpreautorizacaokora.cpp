#include "cancel/Cancpreautorizacaokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "bromo.h"
#include "capture/Filtroteclakora.h"
#include "framework/Controleskora.h"
#include "platform.h"
#include "pontal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmPre_Cnc* FrmPre_Cnc = nullptr;

TFrmPre_Cnc* TFrmPre_Cnc::Cria() { return TFrmMod::CriaForm<TFrmPre_Cnc>(); }

TFrmPre_Cnc::TFrmPre_Cnc(QWidget* parent) : TFrmCnc_Trn(parent) {
    setObjectName(QStringLiteral("FrmPre_Cnc"));
    // The amount goes first here.
    lbValor->setGeometry(20, 36, 200, 16);
    edValor->setGeometry(224, 32, 101, 24);
    lbDtTransacao->move(20, 76);
    edDtTransacao->move(224, 72);
    lbNumDocumento->move(20, 116);
    edNumDocumento->move(224, 112);
    Controles(this)
        .Rotulo(lbCodAutorizacao, "lbCodAutorizacao", pnCaptura, {20, 156, 200, 16},
                "Código de Autorização:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edCodAutorizacao, "edCodAutorizacao", pnCaptura, {224, 152, 101, 24}, {.max = 6, .foco = 36})
        .Rotulo(lbCodEmpresa, "lbCodEmpresa", pnCaptura, {330, 156, 140, 16},
                "Código da Empresa:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edCodEmpresa, "edCodEmpresa", pnCaptura, {474, 152, 90, 24}, {.max = 8, .foco = 53});
    edCodAutorizacao->installEventFilter(this);
    edCodEmpresa->installEventFilter(this);
    Entradas = {edValor, edDtTransacao, edNumDocumento, edCodAutorizacao, edCodEmpresa, btConfirma, btRetorna};
    OrdemTab({edValor, edDtTransacao, edNumDocumento, edCodAutorizacao, edCodEmpresa, btConfirma, btRetorna});
}

bool TFrmPre_Cnc::FiltraEvento(QObject* obj, QEvent* ev) {
    if ((obj == edCodAutorizacao || obj == edCodEmpresa) && TeclaRecusada(ev)) return true;
    return TFrmCnc_Trn::FiltraEvento(obj, ev);
}

void TFrmPre_Cnc::IniciaCamposForm() {
    TFrmCnc_Trn::IniciaCamposForm();
    lbCodAutorizacao->setText(Mensagem(561));
    lbCodEmpresa->setText(Mensagem(569));
    edCodEmpresa->setText(Campos::Le(CAMPO_CODIGO_EMPRESA));
    const bool empresa = PontalCapturaCodigoEmpresa() == 1;
    edCodEmpresa->setEnabled(empresa);
    lbCodEmpresa->setEnabled(empresa);
    edCodAutorizacao->setText(Campos::Le(CAMPO_AUTORIZACAO_PRE));
    edCodAutorizacao->setEnabled(edCodAutorizacao->text().isEmpty());
}

bool TFrmPre_Cnc::ValidaCamposForm() {
    if (!TFrmCnc_Trn::ValidaCamposForm()) return false;
    if (!edCodAutorizacao->text().trimmed().isEmpty()) return true;
    CaixaMensagem(Mensagem(279), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    pnCaptura->setEnabled(true);
    edCodAutorizacao->setEnabled(true);
    edCodAutorizacao->clear();
    edCodAutorizacao->setFocus();
    return false;
}

bool TFrmPre_Cnc::GravaCamposPontal() {
    if (!TFrmCnc_Trn::GravaCamposPontal()) return false;
    const QString autorizacao = edCodAutorizacao->text().trimmed();
    if (!autorizacao.isEmpty() && !Campos::Grava(CAMPO_AUTORIZACAO_PRE_ORIGINAL, edCodAutorizacao->text()))
        return false;
    if (!edCodEmpresa->text().isEmpty() && !Campos::Grava(CAMPO_CODIGO_EMPRESA, edCodEmpresa->text())) return false;
    return Campos::Grava(CAMPO_CODIGO_TIPO_TRANSACAO, QStringLiteral("19"));
}
