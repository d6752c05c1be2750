#include "Confpreparcadmkora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "framework/Galeriakora.h"

#include <QLabel>

#include <algorithm>

TFrmAdm_CnfPar* FrmAdm_CnfPar = nullptr;

TFrmAdm_CnfPar* TFrmAdm_CnfPar::Cria() { return TFrmMod::CriaForm<TFrmAdm_CnfPar>(); }

TFrmAdm_CnfPar::TFrmAdm_CnfPar(QWidget* parent) : TFrmPar_Cnf(parent) {
    setObjectName(QStringLiteral("FrmAdm_CnfPar"));
}

void TFrmAdm_CnfPar::IniciaCamposForm() {
    TFrmPar_Cnf::IniciaCamposForm();
    lbTitulo->setText(Mensagem(441));
}

bool TFrmAdm_CnfPar::GravaCamposPontal() {
    return TFrmPar_Cnf::GravaCamposPontal() && Campos::Grava(CAMPO_CODIGO_FINANCIAMENTO, QStringLiteral("2"));
}

// A capture in instalments typed entirely by the operator.
static QDialog* FormGaleriaFrmAdm_CnfPar() {
    Produto.limpa();
    std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
    Campos::Limpa(CAMPO_DATA_ORIGINAL);
    Campos::Limpa(CAMPO_NSU_ORIGINAL);
    Campos::Limpa(CAMPO_QTD_PARCELAS);
    return TFrmAdm_CnfPar::Cria();
}
KORA_REGISTRA_GALERIA(FrmAdm_CnfPar, FormGaleriaFrmAdm_CnfPar)
KORA_REGISTRA_FORM(FrmAdm_CnfPar, TFrmAdm_CnfPar)
