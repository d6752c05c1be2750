#include "Confpreparcestkora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "framework/Galeriakora.h"

#include <QLabel>

#include <algorithm>

TFrmEst_CnfPar* FrmEst_CnfPar = nullptr;

TFrmEst_CnfPar* TFrmEst_CnfPar::Cria() { return TFrmMod::CriaForm<TFrmEst_CnfPar>(); }

TFrmEst_CnfPar::TFrmEst_CnfPar(QWidget* parent) : TFrmPar_Cnf(parent) {
    setObjectName(QStringLiteral("FrmEst_CnfPar"));
}

void TFrmEst_CnfPar::IniciaCamposForm() {
    TFrmPar_Cnf::IniciaCamposForm();
    lbTitulo->setText(Mensagem(440));
}

bool TFrmEst_CnfPar::GravaCamposPontal() {
    return TFrmPar_Cnf::GravaCamposPontal() && Campos::Grava(CAMPO_CODIGO_FINANCIAMENTO, QStringLiteral("3"));
}

// A capture in instalments typed entirely by the operator.
static QDialog* FormGaleriaFrmEst_CnfPar() {
    Produto.limpa();
    std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
    Campos::Limpa(CAMPO_DATA_ORIGINAL);
    Campos::Limpa(CAMPO_NSU_ORIGINAL);
    Campos::Limpa(CAMPO_QTD_PARCELAS);
    return TFrmEst_CnfPar::Cria();
}
KORA_REGISTRA_GALERIA(FrmEst_CnfPar, FormGaleriaFrmEst_CnfPar)
KORA_REGISTRA_FORM(FrmEst_CnfPar, TFrmEst_CnfPar)
