#include "Conscreditokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "framework/Galeriakora.h"
#include "framework/Menumodelokora.h"
#include "framework/Retornooperador6b.h"
#include "platform.h"
#include "receipt/Imprimeconsultakora.h"
#include "pontal.h"
#include "transaction/Descritoreskora.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

TFrmCon_AdmCrdPar* FrmCon_AdmCrdPar = nullptr;

TFrmCon_AdmCrdPar* TFrmCon_AdmCrdPar::Cria() { return TFrmMod::CriaForm<TFrmCon_AdmCrdPar>(); }

TFrmCon_AdmCrdPar::TFrmCon_AdmCrdPar(QWidget* parent) : TFrmAdm_CrdPar(parent) {
    setObjectName(QStringLiteral("FrmCon_AdmCrdPar"));
}

void TFrmCon_AdmCrdPar::IniciaCamposForm() {
    TFrmAdm_CrdPar::IniciaCamposForm();
    // The consultation keeps the base's maximum of 99 instalments.
    pTransacao = &TrnConsultaCredito;
    lbTitulo->setText(Mensagem(478));
}

namespace {
// The approved plan, shown under the form's title; the operator's choice
// to print it comes back in ImprimeCupom.
void MostraPlanoImpressao(const QString& titulo) {
    if (!FrmImprime_Mod) FrmImprime_Mod = TFrmImprime_Mod::Cria();
    if (!FrmImprime_Mod) return;
    FrmImprime_Mod->lbTitulo->setText(titulo);
    FrmImprime_Mod->exec();
    delete FrmImprime_Mod;
    FrmImprime_Mod = nullptr;
}
} // namespace

void TFrmCon_AdmCrdPar::btConfirmaClick() {
    setEnabled(false);
    btConfirma->setEnabled(false);
    btRetorna->setEnabled(false);
    pnCaptura->setEnabled(false);
    MostraMensagem(Mensagem(43));
    Plataforma::ProcessMessages();
    bControlaKeyPreview = false;

    if (!(ValidaCamposForm() && GravaCamposPontal() && VerificaCapturaSenha())) {
        // The form is enabled again too, or nothing on it could be reached.
        setEnabled(true);
        btConfirma->setEnabled(true);
        btRetorna->setEnabled(true);
        pnCaptura->setEnabled(true);
        return;
    }
    AutorizaTransacao(pTransacao, lbMensagem, 0);

    const QString resposta = Campos::Le(CAMPO_CODIGO_RESPOSTA);
    if (resposta == QLatin1String("00") || resposta == QLatin1String("0"))
        MostraPlanoImpressao(lbTitulo->text());
    else
        ImprimeCupom = true;
    if (Campos::LeNumero(CAMPO_CODIGO_RESPOSTA) == 0 && !Campos::Le(CAMPO_LINHAS_RETORNO).isEmpty())
        TFrmRetorno_Opr::Mostra(lbTitulo->text());
    if (ImprimeCupom) {
        PontalGravaArquivo();
        Campos::Limpa(CAMPO_RESULTADO_TRANSACAO);
        Encerra(mrOk);
    } else {
        Encerra(mrCancel);
    }
}

// A consultation of R$ 2.400,00 in 12 instalments.
static QDialog* FormGaleriaConAdmCrdPar() {
    Produto.limpa();
    std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
    Campos::Limpa(CAMPO_QTD_PARCELAS);
    if (!Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("240000"))) return nullptr;
    return TFrmCon_AdmCrdPar::Cria();
}
KORA_REGISTRA_GALERIA(FrmCon_AdmCrdPar, FormGaleriaConAdmCrdPar)
KORA_REGISTRA_FORM(FrmCon_AdmCrdPar, TFrmCon_AdmCrdPar)
