#include "Pretrnkora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "ciraz.h"
#include "framework/Controleskora.h"
#include "platform.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmPre_Trn* FrmPre_Trn = nullptr;

TFrmPre_Trn* TFrmPre_Trn::Cria() { return TFrmMod::CriaForm<TFrmPre_Trn>(); }

TFrmPre_Trn::TFrmPre_Trn(QWidget* parent) : TFrmTrn_Mod(parent) {
    setObjectName(QStringLiteral("FrmPre_Trn"));
    lbValor->move(72, 36);
    edValor->move(144, edValor->y());
    Controles(this)
        .Rotulo(lbTaxaEmbarque, "lbTaxaEmbarque", pnCaptura, {263, 36, 148, 15},
                "Taxa de Embarque:", Ctl::Direita | Ctl::Transparente)
        .Edicao(edTaxaEmbarque, "edTaxaEmbarque", pnCaptura, {440, 32, 101, 24}, {.max = 10, .valor = true})
        .Rotulo(lbTaxaServico, "lbTaxaServico", pnCaptura, {8, 84, 130, 15},
                "Taxa de Serviço:", Ctl::Direita | Ctl::Transparente)
        .Edicao(edTaxaServico, "edTaxaServico", pnCaptura, {144, 80, 101, 24}, {.max = 10, .valor = true});
    OrdemTab({edValor, edTaxaEmbarque, edTaxaServico, btConfirma, btRetorna});
    LigaEntrada(edTaxaServico, [this] { edTaxaServicoEnter(); });
    LigaEntrada(edTaxaEmbarque, [this] { edTaxaEmbarqueEnter(); });
    // Returning lets a chip card out of the pinpad first.
    btRetorna->disconnect(this);
    QObject::connect(btRetorna, &QPushButton::clicked, this, [this] { btRetornaClick(); });
}

void TFrmPre_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    lbTitulo->setText(Mensagem(438));
    edTaxaServico->clear();
    edTaxaEmbarque->clear();
    lbTaxaServico->setText(Mensagem(548));
    lbTaxaEmbarque->setText(Mensagem(2571));
    edTaxaServico->setEnabled(Produto.em(OffProduto::TAXA_SERVICO) == '1');
    lbTaxaServico->setEnabled(edTaxaServico->isEnabled());
    edTaxaEmbarque->setEnabled(Produto.em(OffProduto::TAXA_EMBARQUE) == '1');
    lbTaxaEmbarque->setEnabled(edTaxaEmbarque->isEnabled());
    const int taxa = Produto.numero(OffProduto::PARAM_TAXA_SERVICO, 2);
    dTaxaServicoProduto = taxa < 0 ? 0 : taxa;
}

void TFrmPre_Trn::edTaxaServicoEnter() { MostraMensagem(Mensagem(27)); }
void TFrmPre_Trn::edTaxaEmbarqueEnter() { MostraMensagem(Mensagem(2572)); }

bool TFrmPre_Trn::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    if (ValidaTaxaServico(edValor->text(), edTaxaServico->text(), dTaxaServicoProduto)) return true;
    CaixaMensagem(Mensagem(2610), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    edTaxaServico->clear();
    pnCaptura->setEnabled(true);
    edTaxaServico->setEnabled(true);
    edTaxaServico->setFocus();
    return false;
}

void TFrmPre_Trn::btConfirmaClick() {
    // A fee left from an earlier request must not travel with this one.
    const QString embarque = RemoveFormato(edTaxaEmbarque->text()).trimmed();
    if (!embarque.isEmpty()) {
        if (!Campos::Grava(CAMPO_TAXA_EMBARQUE, embarque)) return;
    } else {
        Campos::Limpa(CAMPO_TAXA_EMBARQUE);
    }
    const QString servico = RemoveFormato(edTaxaServico->text()).trimmed();
    if (!servico.isEmpty()) {
        if (!Campos::Grava(CAMPO_TAXA_SERVICO, servico)) return;
    } else {
        Campos::Limpa(CAMPO_TAXA_SERVICO);
    }
    TFrmTrn_Mod::btConfirmaClick();
}

bool TFrmPre_Trn::GravaCamposPontal() {
    return TFrmTrn_Mod::GravaCamposPontal() && Campos::Grava(CAMPO_CODIGO_REQUISICAO, QStringLiteral("42")) &&
           Campos::Grava(CAMPO_CODIGO_TIPO_TRANSACAO, QStringLiteral("18"));
}

void TFrmPre_Trn::btRetornaClick() {
    if (EhCartaoChipComContato()) {
        MostraMensagem(Mensagem(944));
        Plataforma::ProcessMessages();
        RemoveCartao(Mensagem(944));
    }
    FinalizaComunicacaoPinpad();
    Encerra(mrCancel);
}
