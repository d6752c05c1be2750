#include "Creditoparcestkora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "framework/Galeriakora.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

TFrmEst_CrdPar* FrmEst_CrdPar = nullptr;

TFrmEst_CrdPar* TFrmEst_CrdPar::Cria() { return TFrmMod::CriaForm<TFrmEst_CrdPar>(); }

TFrmEst_CrdPar::TFrmEst_CrdPar(QWidget* parent) : TFrmPar_Crd(parent) {
    setObjectName(QStringLiteral("FrmEst_CrdPar"));
}

void TFrmEst_CrdPar::IniciaCamposForm() {
    TFrmPar_Crd::IniciaCamposForm();
    lbTitulo->setText(Mensagem(436));
    DefineMaximoProduto(OffProduto::MAX_PARCELAS_LOJISTA);
}

bool TFrmEst_CrdPar::ValidaCamposForm() { return TFrmPar_Crd::ValidaCamposForm() && ValidaValorMinimoParcelaLoja(); }

namespace {
// Digits of an amount as a whole number of cents; 0 when not a number.
qlonglong Centavos(const QString& texto) {
    bool ok = false;
    const qlonglong v = RemoveFormato(texto).toLongLong(&ok);
    return ok ? v : 0;
}
} // namespace

bool TFrmEst_CrdPar::ValidaValorMinimoParcelaLoja() {
    // An administrator plan carries no merchant minimum. The field is read
    // before this form writes its own financing type.
    if (Campos::Le(CAMPO_CODIGO_FINANCIAMENTO).trimmed() == QLatin1String("1")) return true;
    qlonglong total = Centavos(Campos::Le(CAMPO_VALOR_TRANSACAO));
    if (total == 0) total = Centavos(edValor->text());
    const int parcelas = qMax(1, edNumParcelas->text().trimmed().toInt());
    const double valorParcela = double(total) / parcelas;
    const int minimo = std::max(0, Produto.numero(OffProduto::VALOR_MIN_PARCELA_LOJISTA, 6));
    if (valorParcela >= minimo) return true;
    CaixaMensagem(Mensagem(2611), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    pnCaptura->setEnabled(true);
    if (edNumParcelas->isEnabled()) {
        edNumParcelas->clear();
        edNumParcelas->setFocus();
    } else {
        FocaPrimeiroControle();
    }
    return false;
}

bool TFrmEst_CrdPar::GravaCamposPontal() {
    if (!Campos::Grava(CAMPO_CODIGO_FINANCIAMENTO, QStringLiteral("2"))) return false;
    if (!Campos::Grava(CAMPO_TIPO_FINANCIAMENTO, QStringLiteral("0"))) return false;
    return TFrmPar_Crd::GravaCamposPontal();
}

// A merchant plan of R$ 300,00 in 3 instalments, minimum R$ 50,00 each.
static QDialog* FormGaleriaEstCrdPar() {
    Produto.limpa();
    std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
    Produto.dados[OffProduto::CREDITO_LOJISTA] = '1';
    Campos::Limpa(CAMPO_QTD_PARCELAS);
    if (!Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("30000"))) return nullptr;
    return TFrmEst_CrdPar::Cria();
}
KORA_REGISTRA_GALERIA(FrmEst_CrdPar, FormGaleriaEstCrdPar)
KORA_REGISTRA_FORM(FrmEst_CrdPar, TFrmEst_CrdPar)
