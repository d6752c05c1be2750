#include "Creditoparccpradmkora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "framework/Galeriakora.h"

#include <QLabel>

#include <algorithm>

TFrmCpr_AdmCrdPar* FrmCpr_AdmCrdPar = nullptr;

TFrmCpr_AdmCrdPar* TFrmCpr_AdmCrdPar::Cria() { return TFrmMod::CriaForm<TFrmCpr_AdmCrdPar>(); }

TFrmCpr_AdmCrdPar::TFrmCpr_AdmCrdPar(QWidget* parent) : TFrmAdm_CrdPar(parent) {
    setObjectName(QStringLiteral("FrmCpr_AdmCrdPar"));
}

void TFrmCpr_AdmCrdPar::IniciaCamposForm() {
    TFrmAdm_CrdPar::IniciaCamposForm();
    lbTitulo->setText(Mensagem(437));
    DefineMaximoProduto(OffProduto::MAX_PARCELAS_ADM);
}

bool TFrmCpr_AdmCrdPar::GravaCamposPontal() {
    if (!Campos::Grava(CAMPO_CODIGO_FINANCIAMENTO, QStringLiteral("1"))) return false;
    if (!Campos::Grava(CAMPO_TIPO_FINANCIAMENTO, QStringLiteral("1"))) return false;
    return TFrmAdm_CrdPar::GravaCamposPontal();
}

// An administrator plan of R$ 1.200,00 whose count the caller fixed at 10.
static QDialog* FormGaleriaCprAdmCrdPar() {
    Produto.limpa();
    std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
    Produto.dados[OffProduto::CREDITO_ADM] = '1';
    if (!Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("120000"))) return nullptr;
    if (!Campos::Grava(CAMPO_QTD_PARCELAS, QStringLiteral("10"))) return nullptr;
    return TFrmCpr_AdmCrdPar::Cria();
}
KORA_REGISTRA_GALERIA(FrmCpr_AdmCrdPar, FormGaleriaCprAdmCrdPar)
KORA_REGISTRA_FORM(FrmCpr_AdmCrdPar, TFrmCpr_AdmCrdPar)
