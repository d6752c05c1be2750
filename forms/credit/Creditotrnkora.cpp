#include "Creditotrnkora.h"

#include "Campos.h"
#include "Constanteskora.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "debit/Debitotrnkora.h"
#include "platform.h"
#include "framework/Controleskora.h"
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

    Controles(this)
        .Edicao(edTaxaServico, "edTaxaServico", pnCaptura, {144, 80, 101, 24}, {.max = 10, .foco = 27, .valor = true})
        .Rotulo(lbTaxaServico, "lbTaxaServico", pnCaptura, {22, 84, 93, 15},
                "Taxa de Serviço:", Ctl::Direita | Ctl::Transparente)
        .Rotulo(lbTaxaEmbarque, "lbTaxaEmbarque", pnCaptura, {303, 36, 108, 15},
                "Taxa de Embarque:", Ctl::Direita | Ctl::Transparente)
        .Edicao(edTaxaEmbarque, "edTaxaEmbarque", pnCaptura, {440, 32, 101, 24},
                {.max = 10, .foco = 2572, .valor = true});
    // Amount, boarding fee, service fee, then the buttons.
    OrdemTab({edValor, edTaxaEmbarque, edTaxaServico, btConfirma, btRetorna});
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

bool TFrmCrd_Trn::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    if (ValidaTaxaServico(edValor->text(), edTaxaServico->text(), dTaxaServicoProduto)) return true;
    CaixaMensagem(Mensagem(2610), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    pnCaptura->setEnabled(true);
    if (edTaxaServico->isEnabled()) {
        edTaxaServico->clear();
        edTaxaServico->setFocus();
    } else {
        FocaPrimeiroControle();
    }
    return false;
}

void TFrmCrd_Trn::btConfirmaClick() {
    // A fee the operator removed must not stay in the store from an earlier try.
    const QString embarque = RemoveFormato(edTaxaEmbarque->text());
    if (!embarque.trimmed().isEmpty()) {
        if (!Campos::Grava(CAMPO_TAXA_EMBARQUE, embarque)) return;
    } else {
        Campos::Limpa(CAMPO_TAXA_EMBARQUE);
    }
    const QString servico = RemoveFormato(edTaxaServico->text());
    if (!servico.trimmed().isEmpty()) {
        if (!Campos::Grava(CAMPO_TAXA_SERVICO, servico)) return;
    } else {
        Campos::Limpa(CAMPO_TAXA_SERVICO);
    }
    TFrmTrn_Mod::btConfirmaClick();
}

bool TFrmCrd_Trn::GravaCamposPontal() {
    if (!TFrmTrn_Mod::GravaCamposPontal()) return false;
    const QString tipo = Campos::Le(CAMPO_TIPO_TRANSACAO_ESPECIAL).trimmed();
    if (!tipo.isEmpty()) {
        bool ok = false;
        const int n = tipo.toInt(&ok);
        // Not a number: the recording does not complete.
        if (!ok) return false;
        if (n == 3 && !Campos::Grava(CAMPO_CODIGO_TIPO_TRANSACAO, QStringLiteral("56"))) return false;
        if (n == 7 && !Campos::Grava(CAMPO_CODIGO_TIPO_TRANSACAO, QStringLiteral("20"))) return false;
    }
    return true;
}
