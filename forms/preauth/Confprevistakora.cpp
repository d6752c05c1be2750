#include "Confprevistakora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "framework/Galeriakora.h"

#include <QLabel>

#include <algorithm>

TFrmVis_Cnf* FrmVis_Cnf = nullptr;

TFrmVis_Cnf* TFrmVis_Cnf::Cria() { return TFrmMod::CriaForm<TFrmVis_Cnf>(); }

TFrmVis_Cnf::TFrmVis_Cnf(QWidget* parent) : TFrmCnf_Pre(parent) { setObjectName(QStringLiteral("FrmVis_Cnf")); }

void TFrmVis_Cnf::IniciaCamposForm() {
    TFrmCnf_Pre::IniciaCamposForm();
    lbTitulo->setText(Mensagem(439));
}

bool TFrmVis_Cnf::GravaCamposPontal() {
    // At sight the request always carries an empty instalment count.
    return TFrmCnf_Pre::GravaCamposPontal() && Campos::Grava(CAMPO_CODIGO_FINANCIAMENTO, QStringLiteral("1")) &&
           Campos::Grava(CAMPO_QTD_PARCELAS, QString());
}

// A capture whose date and NSU the host supplied.
static QDialog* FormGaleriaVisCnf() {
    Produto.limpa();
    std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
    if (!Campos::Grava(CAMPO_DATA_ORIGINAL, QStringLiteral("01122026"))) return nullptr;
    if (!Campos::Grava(CAMPO_NSU_ORIGINAL, QStringLiteral("004512"))) return nullptr;
    return TFrmVis_Cnf::Cria();
}
KORA_REGISTRA_GALERIA(FrmVis_Cnf, FormGaleriaVisCnf)
KORA_REGISTRA_FORM(FrmVis_Cnf, TFrmVis_Cnf)
