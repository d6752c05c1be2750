#include "Creditoconsultacrediariocrd.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "framework/Galeriakora.h"
#include "platform.h"
#include "pontal.h"
#include "transaction/Descritoreskora.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

TFrmCredConsulta_CrediarioCRD* FrmCredConsulta_CrediarioCRD = nullptr;

namespace Creditoconsultacrediariocrd {
bool bControlaKeyPreview = true;
}

TFrmCredConsulta_CrediarioCRD* TFrmCredConsulta_CrediarioCRD::Cria() {
    return TFrmMod::CriaForm<TFrmCredConsulta_CrediarioCRD>();
}

TFrmCredConsulta_CrediarioCRD::TFrmCredConsulta_CrediarioCRD(QWidget* parent) : TFrmPar_Crd(parent) {
    setObjectName(QStringLiteral("FrmCredConsulta_CrediarioCRD"));
    // Returning from a simulation stores the request as it stands.
    btRetorna->disconnect(this);
    QObject::connect(btRetorna, &QPushButton::clicked, this, [this] { btRetornaClick(); });
}

void TFrmCredConsulta_CrediarioCRD::IniciaCamposForm() {
    TFrmPar_Crd::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2932));
    DefineMaximoProduto(OffProduto::MAX_PARCELAS_EMISSOR);
    pTransacao = &TrnSimulacaoCrediarioCRD;
}

bool TFrmCredConsulta_CrediarioCRD::GravaCamposPontal() {
    if (!TFrmPar_Crd::GravaCamposPontal()) return false;
    const QString tipo =
        Campos::LeNumero(CAMPO_TIPO_TRANSACAO_ESPECIAL) == 3 ? QStringLiteral("111") : QStringLiteral("112");
    if (!Campos::Grava(CAMPO_TIPO_SIMULACAO_CREDIARIO, tipo)) return false;
    // The simulation sends its card record with its own separator.
    Campos::Limpa(CAMPO_DADOS_CARTAO);
    return GravaTrilhas(63) == 0;
}

void TFrmCredConsulta_CrediarioCRD::HabilitaBotoes(bool habilita) {
    pnCaptura->setEnabled(habilita);
    btConfirma->setEnabled(habilita);
    btRetorna->setEnabled(habilita);
}

void TFrmCredConsulta_CrediarioCRD::btConfirmaClick() {
    Creditoconsultacrediariocrd::bControlaKeyPreview = false;
    HabilitaBotoes(false);
    lbMensagem->clear();
    Plataforma::ProcessMessages();
    bCapturaSenha = false;

    if (!(ValidaCamposForm() && VerificaObtemDadosEmv() && GravaCamposPontal() && FormataDadosCartaoPinpad())) {
        HabilitaBotoes(true);
        return;
    }
    MostraMensagem(Mensagem(43));
    AutorizaTransacao(pTransacao, lbMensagem, 0);

    const int codigo = Campos::LeNumero(CAMPO_CODIGO_RESPOSTA, 255);
    if (codigo != 0) {
        Audita(FormataMensagem(QStringLiteral("Modulo %s: AutorizaTransacao retornou erro: %d"), NOME_MODULO, codigo));
        PontalGravaArquivo();
        Campos::Limpa(CAMPO_RESULTADO_TRANSACAO);
        Encerra(mrOk);
        return;
    }
    if (VerificaTrataConsultaPlanoFinanciamentoCrediario()) {
        // With credit type 3 the sale follows in the menu, which stays open.
        if (Campos::LeNumero(CAMPO_TIPO_TRANSACAO_ESPECIAL) == 3) {
            Encerra(mrCancel);
        } else {
            PontalGravaArquivo();
            Encerra(mrOk);
        }
        return;
    }
    Audita(FormataMensagem(QStringLiteral("Modulo %s: Cliente nao deseja imprimir dados da simulacao. Verifica se "
                                          "deseja realizar nova simulacao"),
                           NOME_MODULO));
    if (CaixaMensagem(Mensagem(2912), Plataforma::MB_YESNO, Plataforma::Icone::Pergunta) == Plataforma::IDYES) {
        if (!Campos::Grava(CAMPO_QTD_PARCELAS, QString()))
            Audita(QStringLiteral("Kora41 - TFrmCredConsulta_CrediarioCRD: campo 1017 recusado"));
        Campos::Limpa(CAMPO_CREDIARIO_10548);
        Campos::Limpa(CAMPO_CREDIARIO_10545);
        edNumParcelas->clear();
        // A count the caller had fixed is gone: the new one is typed.
        edNumParcelas->setEnabled(true);
        Creditoconsultacrediariocrd::bControlaKeyPreview = true;
        HabilitaBotoes(true);
        edNumParcelas->setFocus();
        return;
    }
    Audita(FormataMensagem(QString::fromUtf8("Modulo %s: Cliente não deseja realizar nova simulação"), NOME_MODULO));
    PontalGravaArquivo();
    Encerra(mrOk);
}

void TFrmCredConsulta_CrediarioCRD::btRetornaClick() {
    Audita(FormataMensagem(QStringLiteral("Modulo %s: TFrmCredConsulta_CrediarioCRD: Cancelado pelo Operador"),
                           NOME_MODULO));
    PontalGravaArquivo();
    Encerra(mrCancel);
}

// A simulation of R$ 600,00 waiting for its count.
static QDialog* FormGaleriaCredConsultaCrediario() {
    Produto.limpa();
    std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
    Campos::Limpa(CAMPO_QTD_PARCELAS);
    if (!Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("60000"))) return nullptr;
    return TFrmCredConsulta_CrediarioCRD::Cria();
}
KORA_REGISTRA_GALERIA(FrmCredConsulta_CrediarioCRD, FormGaleriaCredConsultaCrediario)
KORA_REGISTRA_FORM(FrmCredConsulta_CrediarioCRD, TFrmCredConsulta_CrediarioCRD)
