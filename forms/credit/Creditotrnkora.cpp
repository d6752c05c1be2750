#include "Creditotrnkora.h"

#include "Camposkora.h"
#include "Constanteskora.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "debit/Debitotrnkora.h"
#include "platform.h"
#include "transaction/Descritoreskora.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmCrd_Trn* FrmCrd_Trn = nullptr;

TFrmCrd_Trn* TFrmCrd_Trn::Cria() { return TFrmMod::CriaForm<TFrmCrd_Trn>(); }

TFrmCrd_Trn::TFrmCrd_Trn(QWidget* parent) : TFrmTrn_Mod(parent) {
    setObjectName(QStringLiteral("FrmCrd_Trn"));
    lbTitulo->setText(QString::fromUtf8("FORMULÁRIO PADRÃO PARA CAPTURA DE DADOS DE CARTÕES DE CRÉDITO"));
    lbTitulo->resize(529, lbTitulo->height());
    lbValor->move(72, 36);
    lbValor->setAttribute(Qt::WA_TranslucentBackground);
    edValor->move(144, edValor->y());

    edTaxaServico = new QLineEdit(pnCaptura);
    edTaxaServico->setObjectName(QStringLiteral("edTaxaServico"));
    edTaxaServico->setGeometry(144, 80, 101, 24);
    edTaxaServico->setMaxLength(10);

    lbTaxaServico = new QLabel(QString::fromUtf8("Taxa de Serviço:"), pnCaptura);
    lbTaxaServico->setObjectName(QStringLiteral("lbTaxaServico"));
    lbTaxaServico->setGeometry(22, 84, 93, 15);
    lbTaxaServico->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbTaxaServico->setAttribute(Qt::WA_TranslucentBackground);

    lbTaxaEmbarque = new QLabel(QStringLiteral("Taxa de Embarque:"), pnCaptura);
    lbTaxaEmbarque->setObjectName(QStringLiteral("lbTaxaEmbarque"));
    lbTaxaEmbarque->setGeometry(303, 36, 108, 15);
    lbTaxaEmbarque->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbTaxaEmbarque->setAttribute(Qt::WA_TranslucentBackground);

    edTaxaEmbarque = new QLineEdit(pnCaptura);
    edTaxaEmbarque->setObjectName(QStringLiteral("edTaxaEmbarque"));
    edTaxaEmbarque->setGeometry(440, 32, 101, 24);
    edTaxaEmbarque->setMaxLength(10);

    // Amount, boarding fee, service fee, then the buttons.
    QWidget::setTabOrder(edValor, edTaxaEmbarque);
    QWidget::setTabOrder(edTaxaEmbarque, edTaxaServico);
    QWidget::setTabOrder(edTaxaServico, btConfirma);
    QWidget::setTabOrder(btConfirma, btRetorna);
    LigaEditValor(edTaxaServico);
    LigaEditValor(edTaxaEmbarque);
    LigaEntrada(edTaxaServico, [this] { edTaxaServicoEnter(); });
    LigaEntrada(edTaxaEmbarque, [this] { edTaxaEmbarqueEnter(); });
}

void TFrmCrd_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    edTaxaEmbarque->clear();
    edTaxaServico->clear();
    pTransacao = &TrnCompraCredito;
    lbTaxaEmbarque->setText(Mensagem(2571));
    lbTaxaServico->setText(Mensagem(548));
    AjustaRotuloDireita(lbTaxaEmbarque, 108);
    AjustaRotuloDireita(lbTaxaServico, 93);
    edTaxaServico->setEnabled(Produto.em(OffProduto::TAXA_SERVICO) == '1');
    lbTaxaServico->setEnabled(edTaxaServico->isEnabled());
    bool ok = false;
    const double taxa = QString::fromLatin1(Produto.texto(OffProduto::PARAM_TAXA_SERVICO, 2)).toDouble(&ok);
    dTaxaServicoProduto = ok ? taxa : 0;
    edTaxaEmbarque->setEnabled(Produto.em(OffProduto::TAXA_EMBARQUE) == '1');
    lbTaxaEmbarque->setEnabled(edTaxaEmbarque->isEnabled());
}

void TFrmCrd_Trn::edTaxaServicoEnter() {
    MostraMensagem(Mensagem(27));
}

void TFrmCrd_Trn::edTaxaEmbarqueEnter() {
    MostraMensagem(Mensagem(2572));
}

bool TFrmCrd_Trn::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    if (ValidaTaxaServico(edValor->text(), edTaxaServico->text(), dTaxaServicoProduto)) return true;
    Plataforma::MessageBox(Mensagem(2610), QString::fromLatin1(TITULO_APLICACAO), Plataforma::MB_OK,
                           Plataforma::Icone::Exclamacao, this);
    pnCaptura->setEnabled(true);
    if (edTaxaServico->isEnabled()) {
        edTaxaServico->clear();
        edTaxaServico->setFocus();
    } else {
        // The first control of the form in tab order that can take the focus.
        for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
            if (w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus)) {
                w->setFocus();
                break;
            }
        }
    }
    return false;
}

void TFrmCrd_Trn::btConfirmaClick() {
    // A fee the operator removed must not stay in the store from an earlier try.
    const QString embarque = RemoveFormato(edTaxaEmbarque->text());
    if (!embarque.trimmed().isEmpty()) {
        if (!CamposTrn::Grava(CAMPO_TAXA_EMBARQUE, embarque)) return;
    } else {
        CamposTrn::Limpa(CAMPO_TAXA_EMBARQUE);
    }
    const QString servico = RemoveFormato(edTaxaServico->text());
    if (!servico.trimmed().isEmpty()) {
        if (!CamposTrn::Grava(CAMPO_TAXA_SERVICO, servico)) return;
    } else {
        CamposTrn::Limpa(CAMPO_TAXA_SERVICO);
    }
    TFrmTrn_Mod::btConfirmaClick();
}

bool TFrmCrd_Trn::GravaCamposPontal() {
    if (!TFrmTrn_Mod::GravaCamposPontal()) return false;
    const QString tipo = CamposTrn::Le(CAMPO_TIPO_TRANSACAO_ESPECIAL).trimmed();
    if (!tipo.isEmpty()) {
        bool ok = false;
        const int n = tipo.toInt(&ok);
        // Not a number: the recording does not complete.
        if (!ok) return false;
        if (n == 3 && !CamposTrn::Grava(CAMPO_CODIGO_TIPO_TRANSACAO, QStringLiteral("56"))) return false;
        if (n == 7 && !CamposTrn::Grava(CAMPO_CODIGO_TIPO_TRANSACAO, QStringLiteral("20"))) return false;
    }
    return true;
}
