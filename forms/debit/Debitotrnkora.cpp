#include "Debitotrnkora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "framework/Controleskora.h"
#include "transaction/Descritoreskora.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

TFrmDeb_Trn* FrmDeb_Trn = nullptr;

// A right-justified caption keeps its right edge and grows to the left when
// the workstation's font does not fit the text in the designed width.
void AjustaRotuloDireita(QLabel* rotulo, int larguraMinima) {
    const int direita = rotulo->geometry().right();
    const int largura = std::max(larguraMinima, rotulo->sizeHint().width());
    rotulo->setGeometry(direita - largura + 1, rotulo->y(), largura, rotulo->height());
}

TFrmDeb_Trn* TFrmDeb_Trn::Cria() { return TFrmMod::CriaForm<TFrmDeb_Trn>(); }

TFrmDeb_Trn::TFrmDeb_Trn(QWidget* parent) : TFrmTrn_Mod(parent) {
    setObjectName(QStringLiteral("FrmDeb_Trn"));
    pnCaptura->move(pnCaptura->x(), 99);
    lbValor->setGeometry(57, 25, 73, lbValor->height());
    lbValor->setAttribute(Qt::WA_TranslucentBackground);
    edValor->setGeometry(154, 20, 102, edValor->height());
    edValor->setFixedSize(102, edValor->height());
    pnBotoes->move(pnBotoes->x(), 324);
    btRetorna->setText(QStringLiteral("&9 - Retorna"));

    Controles(this)
        .Rotulo(lbValorSaque, "lbValorSaque", pnCaptura, {342, 31, 39, 15}, "Saque:", Ctl::Direita)
        .Rotulo(lbNomeIssuer, "lbNomeIssuer", pnCaptura, {292, 16, 139, 15}, "Nome Issuer", Ctl::Centro)
        .Edicao(edValorSaque, "edValorSaque", pnCaptura, {438, 21, 101, 24}, {.max = 12, .foco = 5, .valor = true});
    OrdemTab({edValor, edValorSaque, btConfirma, btRetorna});
}

void TFrmDeb_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    edValorSaque->clear();
    lbValorSaque->setText(Mensagem(2598));
    AjustaRotuloDireita(lbValorSaque, 39);
    edValorSaque->setEnabled(false);
    pTransacao = &TrnDebito;
    // A plain debit sends no pre-dated date; the pre-dated forms set one.
    LimpaDataPreCDCDebito();
    lbNomeIssuer->setText(QString::fromLatin1(Produto.texto(OffProduto::NOME_ISSUER, 40)).trimmed());
}

bool TFrmDeb_Trn::ValidaCamposForm() { return TFrmTrn_Mod::ValidaCamposForm(); }

void TFrmDeb_Trn::btConfirmaClick() {
    HabilitaControles(false);
    const QString saque = RemoveFormato(edValorSaque->text()).trimmed();
    if (!saque.isEmpty()) {
        if (!Campos::Grava(CAMPO_VALOR_SAQUE, saque) || !Campos::Grava(CAMPO_VALOR_SAQUE_FORMATADO, Dollar(saque))) {
            // The store refused the withdrawal: hand the form back to the operator.
            HabilitaControles(true);
            return;
        }
    }
    TFrmTrn_Mod::btConfirmaClick();
}
