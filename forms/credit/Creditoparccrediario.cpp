#include "Creditoparccrediario.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "framework/Galeriakora.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

TFrmCred_ParcCrediario* FrmCred_ParcCrediario = nullptr;

TFrmCred_ParcCrediario* TFrmCred_ParcCrediario::Cria() { return TFrmMod::CriaForm<TFrmCred_ParcCrediario>(); }

TFrmCred_ParcCrediario::TFrmCred_ParcCrediario(QWidget* parent) : TFrmPar_Crd(parent) {
    setObjectName(QStringLiteral("FrmCred_ParcCrediario"));
}

void TFrmCred_ParcCrediario::IniciaCamposForm() {
    TFrmPar_Crd::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2361));
    const QString parcelas = Campos::Le(CAMPO_QTD_PARCELAS).trimmed();
    if (!parcelas.isEmpty()) {
        edNumParcelas->setText(parcelas);
        edNumParcelas->setEnabled(false);
    }
    DefineMaximoProduto(OffProduto::MAX_PARCELAS_EMISSOR);
    // The financing type goes with the request; a refused write shows there.
    if (!Campos::Grava(CAMPO_CODIGO_FINANCIAMENTO, QStringLiteral("4")))
        Audita(QStringLiteral("Kora41 - TFrmCred_ParcCrediario: campo 10156 recusado"));
}

// The sale that follows a simulation of 6 instalments.
static QDialog* FormGaleriaCredParcCrediario() {
    Produto.limpa();
    std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
    if (!Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("60000"))) return nullptr;
    if (!Campos::Grava(CAMPO_QTD_PARCELAS, QStringLiteral("6"))) return nullptr;
    return TFrmCred_ParcCrediario::Cria();
}
KORA_REGISTRA_GALERIA(FrmCred_ParcCrediario, FormGaleriaCredParcCrediario)
KORA_REGISTRA_FORM(FrmCred_ParcCrediario, TFrmCred_ParcCrediario)
