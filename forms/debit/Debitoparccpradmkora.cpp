#include "Debitoparccpradmkora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "framework/Galeriakora.h"
#include "pontal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmCpr_ParAdm* FrmCpr_ParAdm = nullptr;

TFrmCpr_ParAdm* TFrmCpr_ParAdm::Cria() { return TFrmMod::CriaForm<TFrmCpr_ParAdm>(); }

TFrmCpr_ParAdm::TFrmCpr_ParAdm(QWidget* parent) : TFrmAdm_DebPar(parent) {
    setObjectName(QStringLiteral("FrmCpr_ParAdm"));
    QObject::disconnect(btRetorna, &QPushButton::clicked, nullptr, nullptr);
    QObject::connect(btRetorna, &QPushButton::clicked, this, [this] { btRetornaClick(); });
}

void TFrmCpr_ParAdm::IniciaCamposForm() {
    TFrmAdm_DebPar::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2603));
    edValorSaque->setEnabled(false);
    lbValorSaque->hide();
    edValorSaque->hide();
    lbNomeIssuer->hide();
}

bool TFrmCpr_ParAdm::GravaCamposPontal() {
    return TFrmAdm_DebPar::GravaCamposPontal() && Campos::Grava(CAMPO_CODIGO_TIPO_TRANSACAO, QStringLiteral("40"));
}

void TFrmCpr_ParAdm::btRetornaClick() {
    Encerra(mrOk);
    PontalGravaArquivo();
}

static QDialog* FormGaleriaCprParAdm() {
    ProdutoGaleriaCDC();
    if (!Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("120000"))) return nullptr;
    Campos::Limpa(CAMPO_QTD_PARCELAS);
    Campos::Limpa(CAMPO_VALOR_ENTRADA);
    return TFrmCpr_ParAdm::Cria();
}
KORA_REGISTRA_GALERIA(FrmCpr_ParAdm, FormGaleriaCprParAdm)
KORA_REGISTRA_FORM(FrmCpr_ParAdm, TFrmCpr_ParAdm)
