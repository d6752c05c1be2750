#include "Preautorizacaokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "framework/Galeriakora.h"
#include "transaction/Descritoreskora.h"

#include <QLabel>

#include <algorithm>

TFrmPre_Pre* FrmPre_Pre = nullptr;

TFrmPre_Pre* TFrmPre_Pre::Cria() { return TFrmMod::CriaForm<TFrmPre_Pre>(); }

TFrmPre_Pre::TFrmPre_Pre(QWidget* parent) : TFrmPre_Trn(parent) { setObjectName(QStringLiteral("FrmPre_Pre")); }

void TFrmPre_Pre::IniciaCamposForm() {
    TFrmPre_Trn::IniciaCamposForm();
    pTransacao = &TrnPreAutorizacaoCredito;
    lbTitulo->setText(Mensagem(438));
}

// A hotel reservation that takes the service fee.
static QDialog* FormGaleriaPrePre() {
    Produto.limpa();
    std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
    Produto.dados[OffProduto::TAXA_SERVICO] = '1';
    Produto.dados[OffProduto::PARAM_TAXA_SERVICO + 1] = '1';
    if (!Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("45000"))) return nullptr;
    return TFrmPre_Pre::Cria();
}
KORA_REGISTRA_GALERIA(FrmPre_Pre, FormGaleriaPrePre)
KORA_REGISTRA_FORM(FrmPre_Pre, TFrmPre_Pre)
