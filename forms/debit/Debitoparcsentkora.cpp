#include "Debitoparcsentkora.h"

#include "Campos.h"
#include "Constanteskora.h"
#include "Contextokora.h"
#include "Datadigitadakora.h"
#include "bromo.h"
#include "framework/Galeriakora.h"
#include "transaction/Descritoreskora.h"

#include <QLabel>
#include <QLineEdit>

TFrmSEnt_ParLoja* FrmSEnt_ParLoja = nullptr;

TFrmSEnt_ParLoja* TFrmSEnt_ParLoja::Cria() { return TFrmMod::CriaForm<TFrmSEnt_ParLoja>(); }

TFrmSEnt_ParLoja::TFrmSEnt_ParLoja(QWidget* parent) : TFrmLoja_DebPar(parent) {
    setObjectName(QStringLiteral("FrmSEnt_ParLoja"));
}

void TFrmSEnt_ParLoja::IniciaCamposForm() {
    TFrmLoja_DebPar::IniciaCamposForm();
    lbTitulo->setText(Mensagem(428));
    pTransacao = &TrnDebitoParcelado;
    edValorSaque->setEnabled(CompreSaqueHabilitado(PONTAL_TRANSACAO_HABILITADA_CARTAO_PARC_SENTRADA));
}

void TFrmSEnt_ParLoja::CalculaDataPrimeiraParcela() {
    const QDate hoje = DataDigitada::Hoje();
    DataPrimeiraParcela = edMesFechado->text() == QLatin1String("1")
                              ? hoje.addMonths(1)
                              : hoje.addDays(edIntervaloParcelas->text().trimmed().toInt());
}

bool TFrmSEnt_ParLoja::GravaCamposPontal() {
    CalculaDataPrimeiraParcela();
    return TFrmLoja_DebPar::GravaCamposPontal();
}

static QDialog* FormGaleriaSEntParLoja() {
    if (!Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("90000")) ||
        !Campos::Grava(CAMPO_INTERVALO_PARCELAS, QStringLiteral("30")))
        return nullptr;
    Campos::Limpa(CAMPO_QTD_PARCELAS);
    return TFrmSEnt_ParLoja::Cria();
}
KORA_REGISTRA_GALERIA(FrmSEnt_ParLoja, FormGaleriaSEntParLoja)
KORA_REGISTRA_FORM(FrmSEnt_ParLoja, TFrmSEnt_ParLoja)
