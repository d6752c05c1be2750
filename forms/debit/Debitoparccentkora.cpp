#include "Debitoparccentkora.h"

#include "Campos.h"
#include "Constanteskora.h"
#include "Contextokora.h"
#include "Datadigitadakora.h"
#include "bromo.h"
#include "framework/Galeriakora.h"
#include "transaction/Descritoreskora.h"

#include <QLabel>
#include <QLineEdit>

TFrmCEnt_ParLoja* FrmCEnt_ParLoja = nullptr;

TFrmCEnt_ParLoja* TFrmCEnt_ParLoja::Cria() { return TFrmMod::CriaForm<TFrmCEnt_ParLoja>(); }

TFrmCEnt_ParLoja::TFrmCEnt_ParLoja(QWidget* parent) : TFrmLoja_DebPar(parent) {
    setObjectName(QStringLiteral("FrmCEnt_ParLoja"));
}

void TFrmCEnt_ParLoja::IniciaCamposForm() {
    TFrmLoja_DebPar::IniciaCamposForm();
    lbTitulo->setText(Mensagem(427));
    pTransacao = &TrnDebParcComEntrada;
    edValorSaque->setEnabled(CompreSaqueHabilitado(PONTAL_TRANSACAO_HABILITADA_CARTAO_PARC_VISTA));
}

bool TFrmCEnt_ParLoja::GravaCamposPontal() {
    // The down payment is today's instalment.
    DataPrimeiraParcela = DataDigitada::Hoje();
    return TFrmLoja_DebPar::GravaCamposPontal();
}

static QDialog* FormGaleriaCEntParLoja() {
    if (!Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("90000")) ||
        !Campos::Grava(CAMPO_INTERVALO_PARCELAS, QStringLiteral("30")))
        return nullptr;
    Campos::Limpa(CAMPO_QTD_PARCELAS);
    return TFrmCEnt_ParLoja::Cria();
}
KORA_REGISTRA_GALERIA(FrmCEnt_ParLoja, FormGaleriaCEntParLoja)
KORA_REGISTRA_FORM(FrmCEnt_ParLoja, TFrmCEnt_ParLoja)
