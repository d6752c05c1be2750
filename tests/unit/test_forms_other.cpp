// What the scenarios cannot see: the QR code as the operator's screen shows
// it, the bill check-digit rules, the redemption's key lookup and that every
// entry of the dispatch has its form.
#define ZX_USE_UTF8
#include "Camposkora.h"
#include "bromo.h"
#include "estado.h"
#include "other/Confresgatepromocional.h"
#include "other/Pagtoconta.h"
#include "other/Vendaqrcodetulen.h"
#include "platform.h"
#include "test_hostsim_comum.h"

#include <QApplication>
#include <QImage>
#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <ZXing/ReadBarcode.h>

namespace {
class FormsOther : public HostSimTest {
protected:
    void SetUp() override {
        HostSimTest::SetUp();
        Plataforma::GaranteAplicacao();
    }
};

std::string Decodifica(const QImage& tela) {
    const QImage cinza = tela.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView vista(cinza.constBits(), cinza.width(), cinza.height(), ZXing::ImageFormat::Lum,
                                 int(cinza.bytesPerLine()));
    ZXing::DecodeHints dicas;
    dicas.setFormats(ZXing::BarcodeFormat::QRCode);
    const ZXing::Result r = ZXing::ReadBarcode(vista, dicas);
    return r.isValid() ? r.text() : std::string();
}
} // namespace

TEST_F(FormsOther, QrCodeNaTelaTrazOTextoDoCampo) {
    Plataforma::GravaIni(QStringLiteral("ClienteTrn.ini"), QStringLiteral("CD_TULEN"),
                         QStringLiteral("PermiteExibirQRCodeNoPDV"), QStringLiteral("1"));
    const QByteArray texto =
        "00020101021226890014br.gov.exemplo2567qr.tulen.exemplo/v2/cobv/9d36b84fc70b478fb95c12729b90ca2563040A5B";
    hostsim::estado().campos.grava(CAMPO_TEXTO_QRCODE, 0, texto);
    TFrmVendaQRCode* f = TFrmVendaQRCode::Cria();
    f->show();
    QApplication::processEvents();
    EXPECT_TRUE(Decodifica(f->grab().toImage()).empty());
    f->TVerificaQRCodeTimer();
    EXPECT_FALSE(f->TVerificaQRCode->isActive());
    EXPECT_EQ(Decodifica(f->grab().toImage()), texto.toStdString());
    // Escape is the offered cancel button.
    QTest::keyClick(f, Qt::Key_Escape);
    EXPECT_EQ(hostsim::estado().campos.le(CAMPO_QRCODE_CANCELADO, 0), QByteArray("1"));
    EXPECT_EQ(f->result(), mrCancel);
    delete f;
}

TEST_F(FormsOther, PinpadSemImagemNemTextoSegueEsperando) {
    hostsim::estado().campos.grava(CAMPO_TEXTO_QRCODE, 0, "QR");
    hostsim::estado().roteiro.acrescenta("PinPadSuportaFuncoesMultimidia", QJsonArray{1});
    TFrmVendaQRCode* f = TFrmVendaQRCode::Cria();
    f->show();
    f->TVerificaQRCode->start();
    f->TVerificaQRCodeTimer();
    EXPECT_TRUE(f->TVerificaQRCode->isActive());
    EXPECT_FALSE(f->lbMsgOperador->isVisible());
    EXPECT_FALSE(f->btnCancLeituraQRCode->isVisible());
    delete f;
}

TEST_F(FormsOther, DigitoDasLinhasDeContaPorIdentificador) {
    // Modulo 10 for identifiers 6 and 7, modulo 11 for 8 and 9.
    EXPECT_EQ(ValidaDV(QStringLiteral("826500000011"), 12, 12, QLatin1Char('6')), 1);
    EXPECT_EQ(ValidaDV(QStringLiteral("507500001239"), 12, 12, QLatin1Char('7')), 9);
    EXPECT_EQ(ValidaDV(QStringLiteral("507500001234"), 12, 12, QLatin1Char('8')), 4);
    EXPECT_EQ(ValidaDV(QStringLiteral("456789012341"), 12, 12, QLatin1Char('9')), 1);
    // A rest of 0 gives 0, not 11.
    EXPECT_EQ(ValidaDV(QStringLiteral("000000000000"), 12, 12, QLatin1Char('8')), 0);
    EXPECT_EQ(ValidaDV(QStringLiteral("826500000011"), 12, 12, QLatin1Char('5')), -1);
    EXPECT_EQ(ValidaDV(QStringLiteral("8265000A0011"), 12, 12, QLatin1Char('6')), -1);
    EXPECT_EQ(ValidaDV(QStringLiteral("82650000001"), 12, 12, QLatin1Char('6')), -1);

    // The block digits are left out of the general check, whatever they hold; whole bills are other-pagtoconta-*.
    EXPECT_TRUE(ValidaCodigoBarrasCompleto(QStringLiteral("826500000010507500001230456789012340567890123450")));
}

TEST_F(FormsOther, ResgateProcuraChavesPeloNome) {
    const QString dados = QStringLiteral("IdHost=H77,Res[0]=PREMIO 1,dHost=20261205");
    EXPECT_EQ(ValorChave(dados, QStringLiteral("IdHost=")), QStringLiteral("H77"));
    EXPECT_EQ(ValorChave(dados, QStringLiteral("dHost=")), QStringLiteral("20261205"));
    EXPECT_EQ(ValorChave(QStringLiteral("IdHost=H77"), QStringLiteral("dHost=")), QString());
    EXPECT_EQ(ValorChave(dados, QStringLiteral("Res[1]=")), QString());
}

TEST_F(FormsOther, ColetaJaCanceladaNaoOfereceOBotao) {
    hostsim::estado().campos.grava(CAMPO_TEXTO_QRCODE, 0, "QR");
    hostsim::estado().campos.grava(CAMPO_QRCODE_CANCELADO, 0, "1");
    TFrmVendaQRCode* f = TFrmVendaQRCode::Cria();
    f->show();
    f->TVerificaQRCodeTimer();
    // On the pinpad, which the simulated one can draw.
    EXPECT_FALSE(f->TVerificaQRCode->isActive());
    EXPECT_TRUE(f->lbMsgOperador->isVisible());
    EXPECT_FALSE(f->btnCancLeituraQRCode->isVisible());
    delete f;
}

