#include "Debitovistakora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "framework/Galeriakora.h"

#include <QLabel>
#include <QLineEdit>

TFrmVis_Deb* FrmVis_Deb = nullptr;

TFrmVis_Deb* TFrmVis_Deb::Cria() { return TFrmMod::CriaForm<TFrmVis_Deb>(); }

TFrmVis_Deb::TFrmVis_Deb(QWidget* parent) : TFrmDeb_Trn(parent) {
    setObjectName(QStringLiteral("FrmVis_Deb"));
    lbValor->setGeometry(98, lbValor->y(), 32, lbValor->height());
    lbValorSaque->move(374, lbValorSaque->y());
}

void TFrmVis_Deb::FormCreate() { TFrmTrn_Mod::FormCreate(); }

void TFrmVis_Deb::IniciaCamposForm() {
    TFrmDeb_Trn::IniciaCamposForm();
    lbTitulo->setText(Mensagem(423));
    // The amount caption is sized to its text.
    lbValor->adjustSize();
    lbValor->move(98, lbValor->y());
    const bool permiteSaque = Produto.em(OffProduto::PERMITE_SAQUE) == '1';
    edValorSaque->setEnabled(permiteSaque);
    lbValorSaque->setText(Mensagem(562));
    AjustaRotuloDireita(lbValorSaque, 39);
    lbValorSaque->setEnabled(permiteSaque);
    lbNomeIssuer->setEnabled(permiteSaque);
    if (permiteSaque) {
        // A withdrawal given by the host cannot be changed.
        const QString saque = RemoveFormato(Campos::Le(CAMPO_VALOR_SAQUE_FORMATADO));
        if (!saque.isEmpty()) {
            edValorSaque->setText(Dollar(saque));
            edValorSaque->setEnabled(false);
        }
    } else {
        Campos::Limpa(CAMPO_VALOR_SAQUE_FORMATADO);
    }
}

bool TFrmVis_Deb::GravaCamposPontal() {
    if (!TFrmTrn_Mod::GravaCamposPontal()) return false;
    if (!Campos::Grava(CAMPO_CODIGO_TIPO_TRANSACAO, QStringLiteral("32"))) return false;
    Campos::Limpa(CAMPO_QTD_PARCELAS);
    Campos::Limpa(CAMPO_VALOR_PRIMEIRA_PARCELA);
    Campos::Limpa(CAMPO_VALOR_ENTRADA);
    return true;
}

// A sale of R$ 150,75 on a product that allows a withdrawal.
static QDialog* FormGaleriaVisDeb() {
    Produto.limpa();
    std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
    const QByteArray issuer = QByteArray("BANCO EXEMPLO").leftJustified(40, ' ');
    std::copy(issuer.begin(), issuer.end(), Produto.dados + OffProduto::NOME_ISSUER);
    Produto.dados[OffProduto::PERMITE_SAQUE] = '1';
    // No amount in the store, no picture worth taking.
    if (!Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("15075"))) return nullptr;
    Campos::Limpa(CAMPO_VALOR_SAQUE_FORMATADO);
    return TFrmVis_Deb::Cria();
}
KORA_REGISTRA_GALERIA(FrmVis_Deb, FormGaleriaVisDeb)
KORA_REGISTRA_FORM(FrmVis_Deb, TFrmVis_Deb)
