#include "Trnmodeloqrcodetulen.h"

#include "Campos.h"
#include "Contextokora.h"
#include "bromo.h"
#include "ciraz.h"
#include "framework/Controleskora.h"
#include "platform.h"
#include "pontal.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

TFrmQRCode_Trn::TFrmQRCode_Trn(QWidget* parent) : TFrmTrn_Mod(parent) {
    setObjectName(QStringLiteral("FrmQRCode_Trn"));
    pnCaptura->setGeometry(24, 76, 580, 250);
    Controles(this)
        .Rotulo(pbQRCode, "pbQRCode", pnCaptura, {316, 4, 242, 242}, "", Ctl::Centro | Ctl::Oculto)
        .Temporizador(TVerificaQRCode, "TVerificaQRCode", 500)
        .Rotulo(lbMsgOperador, "lbMsgOperador", pnCaptura, {10, 140, 280, 60},
                "Peça ao cliente para efetuar a leitura do QR Code pelo App no celular",
                Ctl::Centro | Ctl::Quebra | Ctl::Destaque | Ctl::Oculto)
        .Botao(btnCancLeituraQRCode, "btnCancLeituraQRCode", pnCaptura, {10, 210, 280, 30},
               "&8 - Cancelar coleta IDENTIF. QR CODE");
    btnCancLeituraQRCode->hide();
    QObject::connect(TVerificaQRCode, &QTimer::timeout, this, [this] { TVerificaQRCodeTimer(); });
    QObject::connect(btnCancLeituraQRCode, &QPushButton::clicked, this, [this] { btnCancLeituraQRCodeClick(); });
}

void TFrmQRCode_Trn::FormCreate() {
    TFrmTrn_Mod::FormCreate();
    MontaQRCode(pbQRCode, qrCode_);
}

void TFrmQRCode_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    lbMensagem->clear();
    lbMsgOperador->clear();
    lbMsgOperador->resize(280, lbMsgOperador->height());
    lbMsgOperador->hide();
    pbQRCode->hide();
    btnCancLeituraQRCode->setEnabled(false);
    btnCancLeituraQRCode->hide();
}

void TFrmQRCode_Trn::AtualizaForm(const QString& texto) { AtualizaQRCode(texto, qrCode_, pbQRCode); }

void TFrmQRCode_Trn::DesabilitaCampos() {
    btnCancLeituraQRCode->setEnabled(false);
    btnCancLeituraQRCode->hide();
    pnCaptura->setEnabled(false);
}

void TFrmQRCode_Trn::btConfirmaClick() {
    cancelada_ = false;
    TVerificaQRCode->start();
    const QByteArray registro = QByteArray("0125") + QByteArray(39, '0');
    PontalGravaCampo(CAMPO_REGISTRO_CARTAO, 0, reinterpret_cast<const unsigned char*>(registro.constData()),
                     int32_t(registro.size()));
    (void)Campos::Grava(CAMPO_QRCODE_ABANDONADO, QStringLiteral("1"));
    AnalisaDadosCartao();
    // The timer polls for the code while this runs and the request is pending.
    TFrmTrn_Mod::btConfirmaClick();
    TVerificaQRCode->stop();
    DesabilitaCampos();
    // The model ends every authorization with OK; a cancelled collection stays cancelled.
    if (cancelada_) Encerra(mrCancel);
}

void TFrmQRCode_Trn::MostraMsgOperador(const QString& texto, int largura) {
    lbMsgOperador->setText(texto);
    lbMsgOperador->resize(largura, lbMsgOperador->height());
    lbMsgOperador->show();
}

void TFrmQRCode_Trn::OfereceCancelamento() {
    if (Campos::Le(CAMPO_QRCODE_CANCELADO) == QLatin1String("1")) return;
    btnCancLeituraQRCode->setEnabled(true);
    btnCancLeituraQRCode->show();
    pnCaptura->setEnabled(true);
}

void TFrmQRCode_Trn::TVerificaQRCodeTimer() {
    const QString texto = Campos::Le(CAMPO_TEXTO_QRCODE);
    if (texto.isEmpty()) return;
    const QString noPdv = Plataforma::LeIni(QStringLiteral("ClienteTrn.ini"), QStringLiteral("CD_TULEN"),
                                            QStringLiteral("PermiteExibirQRCodeNoPDV"), QStringLiteral("0"));
    QFont fonte = lbMsgOperador->font();
    fonte.setPointSize(Campos::LeNumero(CAMPO_TIPO_TRANSACAO_ESPECIAL) == 4 ? 17 : 20);
    lbMsgOperador->setFont(fonte);

    if (noPdv == QLatin1String("1")) {
        TVerificaQRCode->stop();
        pbQRCode->show();
        AtualizaForm(texto);
        MostraMensagem(Mensagem(2884));
        MostraMsgOperador(Mensagem(2884), 280);
        btnCancLeituraQRCode->setText(QStringLiteral("&8 - ") + Mensagem(2917));
        OfereceCancelamento();
        Plataforma::ProcessMessages();
        return;
    }
    if (PinPadSuportaFuncoesMultimidia() == 0 && GeraQRCodeExibePinpad(texto) == 0) {
        TVerificaQRCode->stop();
        MostraMensagem(Mensagem(2901));
        MostraMsgOperador(Mensagem(2901), 560);
        btnCancLeituraQRCode->setText(QStringLiteral("&8 - ") + Mensagem(2917));
        btnCancLeituraQRCode->setEnabled(true);
        OfereceCancelamento();
        Plataforma::ProcessMessages();
        return;
    }
    // The pinpad cannot draw it: the acquirer's own text goes there instead.
    const QString alternativo = Campos::Le(CAMPO_TEXTO_SEM_QRCODE_PINPAD);
    if (alternativo.isEmpty()) return;
    TVerificaQRCode->stop();
    pbQRCode->hide();
    MostraMensagem(QStringLiteral(" "));
    MostraMsgOperador(Mensagem(2915), 560);
    btnCancLeituraQRCode->setText(QStringLiteral("&8 - ") + Mensagem(2916));
    btnCancLeituraQRCode->setEnabled(true);
    btnCancLeituraQRCode->show();
    pnCaptura->setEnabled(true);
    Plataforma::ProcessMessages();
    ExibeMsgPinpad(Mensagem(2914) + CentralizaMensagem(alternativo, 16));
}

void TFrmQRCode_Trn::btnCancLeituraQRCodeClick() {
    btnCancLeituraQRCode->setEnabled(false);
    (void)Campos::Grava(CAMPO_QRCODE_CANCELADO, QStringLiteral("1"));
    cancelada_ = true;
    PontalIniciaTransacao();
    Encerra(mrCancel);
}

void TFrmQRCode_Trn::keyPressEvent(QKeyEvent* e) {
    // Escape answers the cancel button while it is offered, as a dialog's cancel button does.
    if (e->key() == Qt::Key_Escape && btnCancLeituraQRCode->isVisible() && btnCancLeituraQRCode->isEnabled()) {
        e->accept();
        btnCancLeituraQRCode->click();
        return;
    }
    TFrmTrn_Mod::keyPressEvent(e);
}
