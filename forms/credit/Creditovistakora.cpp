#include "Creditovistakora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "framework/Galeriakora.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

TFrmVis_Crd* FrmVis_Crd = nullptr;

TFrmVis_Crd* TFrmVis_Crd::Cria() { return TFrmMod::CriaForm<TFrmVis_Crd>(); }

TFrmVis_Crd::TFrmVis_Crd(QWidget* parent) : TFrmCrd_Trn(parent) {
    setObjectName(QStringLiteral("FrmVis_Crd"));
    lbValor->setGeometry(94, 38, 32, lbValor->height());
    lbTaxaServico->move(38, 86);
    lbTaxaEmbarque->move(311, lbTaxaEmbarque->y());
    edValor->move(edValor->x(), 34);
}

void TFrmVis_Crd::FormCreate() { TFrmTrn_Mod::FormCreate(); }

void TFrmVis_Crd::IniciaCamposForm() {
    TFrmCrd_Trn::IniciaCamposForm();
    lbTitulo->setText(Mensagem(433));
    // The amount caption is sized to its text.
    lbValor->adjustSize();
    lbValor->move(94, 38);
}

bool TFrmVis_Crd::GravaCamposPontal() {
    if (!Campos::Grava(CAMPO_CODIGO_FINANCIAMENTO, QStringLiteral("0"))) return false;
    if (!Campos::Grava(CAMPO_TIPO_FINANCIAMENTO, QStringLiteral("0"))) return false;
    return TFrmCrd_Trn::GravaCamposPontal();
}

// A restaurant sale of R$ 80,00 whose product takes both fees.
static QDialog* FormGaleriaVisCrd() {
    Produto.limpa();
    std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
    Produto.dados[OffProduto::TAXA_SERVICO] = '1';
    Produto.dados[OffProduto::PARAM_TAXA_SERVICO] = '1';
    Produto.dados[OffProduto::TAXA_EMBARQUE] = '1';
    // No amount in the store, no picture worth taking.
    if (!Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("8000"))) return nullptr;
    return TFrmVis_Crd::Cria();
}
KORA_REGISTRA_GALERIA(FrmVis_Crd, FormGaleriaVisCrd)
KORA_REGISTRA_FORM(FrmVis_Crd, TFrmVis_Crd)
