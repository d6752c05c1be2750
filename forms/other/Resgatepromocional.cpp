#include "Resgatepromocional.h"

#include "Campos.h"
#include "Contextokora.h"
#include "bromo.h"
#include "framework/Galeriakora.h"
#include "other/Confresgatepromocional.h"
#include "platform.h"
#include "pontal.h"
#include "transaction/Descritoreskora.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmResgateProm* FrmResgateProm = nullptr;

TFrmResgateProm* TFrmResgateProm::Cria() { return TFrmMod::CriaForm<TFrmResgateProm>(); }

TFrmResgateProm::TFrmResgateProm(QWidget* parent) : TFrmTrn_Mod(parent) {
    setObjectName(QStringLiteral("FrmResgateProm"));
}

void TFrmResgateProm::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    pTransacao = &TrnResgatePromocional;
    lbTitulo->setText(Mensagem(2674));
    lbValor->hide();
    edValor->hide();
}

bool TFrmResgateProm::GravaCamposPontal() {
    return TFrmTrn_Mod::GravaCamposPontal() && Campos::Grava(CAMPO_CODIGO_MODULO, QStringLiteral("0125"));
}

void TFrmResgateProm::Termina() {
    Encerra(mrOk);
    PontalGravaArquivo();
}

void TFrmResgateProm::btConfirmaClick() {
    bCapturaSenha = false;
    HabilitaControles(false);
    lbMensagem->setText(Mensagem(43));
    Plataforma::ProcessMessages();
    if (!VerificaObtemDadosEmv() || !GravaCamposPontal() || !FormataDadosCartaoPinpad()) {
        Termina();
        return;
    }
    AutorizaTransacao(pTransacao, lbMensagem, 0);
    const QByteArray cabecalho = Campos::LeBytes(CAMPO_CABECALHO_RESPOSTA, 85);
    if (cabecalho.isEmpty()) {
        Termina();
        return;
    }
    bool numero = false;
    const int r = QString::fromLatin1(cabecalho.left(2)).toInt(&numero);
    // A refused query leaves its outcome in the host's fields.
    if (!numero || r != 0) {
        Termina();
        return;
    }
    // What stands when the confirmation is never completed.
    if (!Campos::Grava(CAMPO_CODIGO_RESPOSTA, QStringLiteral("255")) ||
        !Campos::Grava(CAMPO_TEXTO_RESULTADO, Mensagem(801)) || !VerificaTrataCampoProdXSAV(lbTitulo->text(), 0)) {
        Termina();
        return;
    }
    if (!CriaExecutaForm<TFrmConfResgateProm>(this, FrmConfResgateProm))
        CaixaMensagem(FormataMensagem(Mensagem(802), "FrmConfResgateProm"), Plataforma::MB_OK,
                      Plataforma::Icone::Exclamacao);
}

KORA_REGISTRA_GALERIA(FrmResgateProm, [] { return static_cast<QDialog*>(TFrmResgateProm::Cria()); })
KORA_REGISTRA_FORM(FrmResgateProm, TFrmResgateProm)
