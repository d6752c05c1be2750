// The transaction form model: the amount edit, the confirm path's step order,
// and the fields it records before a request.
#include "Camposkora.h"
#include "debit/Debitovistakora.h"
#include "test_module_host.h"
#include "transaction/Descritoreskora.h"
#include "transaction/Trnmodelokora.h"

#include <QAbstractButton>
#include <QApplication>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace TesteHost;

class FormsTrn : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
        // Today's technical write-off is done: the forms send only their own request.
        const QString agora = Plataforma::Agora().toString(QStringLiteral("ddMMyyyyHHmmss"));
        for (const char* chave : {"UltimaBaixaTecnica", "DataHoraUltimaVerificacao"})
            Plataforma::GravaIni(QStringLiteral("Cliente.ini"), QStringLiteral("DadosPinpad"), QLatin1String(chave),
                                 agora);
        Plataforma::GravaIni(QStringLiteral("Cliente.ini"), QStringLiteral("DadosPinpad"),
                             QStringLiteral("IntervaloEmMinutosBaixaTecnica"), QStringLiteral("600"));
    }
};

// Records the confirm path's steps; fails the one named in `falha`.
class TrnGravador : public TFrmTrn_Mod {
public:
    QStringList passos;
    QString falha;
    bool Passo(const char* nome) {
        passos << QString::fromLatin1(nome);
        return falha != QLatin1String(nome);
    }
    bool ValidaCamposForm() override { return Passo("Valida"); }
    bool GravaCamposPontal() override { return Passo("Grava"); }
    bool VerificaCapturaDadosAdicionais() override { return Passo("DadosAdicionais"); }
    bool VerificaConverteMoeda() override { return Passo("ConverteMoeda"); }
    bool PassoProcessaCartao() override { return Passo("ProcessaCartao"); }
    bool VerificaCapturaSenha() override { return Passo("Senha"); }
    bool PassoObtemDadosEmv() override { return Passo("DadosEmv"); }
    bool PassoFormataDadosCartaoPinpad() override { return Passo("FormataPinpad"); }
    bool VerificaConfirmacaoValorPinpad() override { return Passo("ConfirmaValor"); }
};

const QStringList kOrdem{"Valida", "Grava",    "DadosAdicionais", "ConverteMoeda", "ProcessaCartao",
                         "Senha",  "DadosEmv", "Grava",           "FormataPinpad", "ConfirmaValor"};

} // namespace

TEST_F(FormsTrn, AmountEditFormatsEveryKeystrokeAndFiltersKeys) {
    std::unique_ptr<TFrmVis_Deb> f(TFrmVis_Deb::Cria());
    f->show();
    f->edValor->setFocus();
    QTest::keyClicks(f->edValor, QStringLiteral("12a-3x4"));
    EXPECT_EQ(f->edValor->text(), QStringLiteral("12,34"));
    QTest::keyClicks(f->edValor, QStringLiteral("56"));
    EXPECT_EQ(f->edValor->text(), QStringLiteral("1.234,56"));
    QTest::keyClick(f->edValor, Qt::Key_Backspace);
    EXPECT_EQ(f->edValor->text(), QStringLiteral("123,45"));
    EXPECT_EQ(f->edValor->cursorPosition(), f->edValor->text().size());

    // The separator is the host's; a second one is swallowed.
    char c = '.';
    f->edValor->clear();
    EXPECT_FALSE(f->edValorKeyPress(f->edValor, c));
    EXPECT_EQ(c, ',');
    f->edValor->setText(QStringLiteral("0,12"));
    c = '.';
    EXPECT_TRUE(f->edValorKeyPress(f->edValor, c));
    for (char k : {'\b', '\r', '7'}) {
        c = k;
        EXPECT_FALSE(f->edValorKeyPress(f->edValor, c)) << int(k);
    }
    // The withdrawal edit shares the same handlers.
    f->edValorSaque->setEnabled(true);
    QTest::keyClicks(f->edValorSaque, QStringLiteral("1z000"));
    EXPECT_EQ(f->edValorSaque->text(), QStringLiteral("10,00"));
}

TEST_F(FormsTrn, AmountConversionAndAFormWithoutAmount) {
    double v = 0;
    EXPECT_TRUE(ConverteValor(QStringLiteral("1.234.567,89"), v));
    EXPECT_DOUBLE_EQ(v, 1234567.89);
    EXPECT_FALSE(ConverteValor(QStringLiteral("1,2,3"), v));
    EXPECT_FALSE(ConverteValor(QStringLiteral("12a"), v));
    std::unique_ptr<TFrmVis_Deb> f(TFrmVis_Deb::Cria());
    f->show();
    f->edValor->hide();
    EXPECT_TRUE(f->ValidaCamposForm());
}

TEST_F(FormsTrn, ConfirmPathRunsItsStepsInOrderAndStopsAtTheFirstFailure) {
    for (int k = 0; k < kOrdem.size(); ++k) {
        std::unique_ptr<TrnGravador> f(TFrmMod::CriaForm<TrnGravador>());
        f->show();
        f->falha = kOrdem[k];
        f->btConfirmaClick();
        const int passos = kOrdem.indexOf(kOrdem[k]) + 1; // "Grava" fails at its first run
        EXPECT_EQ(f->passos, kOrdem.mid(0, passos)) << k;
        EXPECT_EQ(Requisicoes(), 0);
        // The operator gets the form back.
        EXPECT_TRUE(f->btConfirma->isEnabled());
        EXPECT_TRUE(f->pnCaptura->isEnabled());
        EXPECT_EQ(f->result(), 0);
    }
    // Field 10269 closing the form instead is scenario debit-falha-encerra.
}

TEST_F(FormsTrn, FieldRecordingOfATypedCardAndAnOfflineDecline) {
    std::unique_ptr<TFrmTrn_Mod> f(TFrmTrn_Mod::Cria());
    f->edValor->setText(QStringLiteral("1500"));
    // A swiped card's record and the trimmed codes are scenario debit-dados-cartao;
    // a typed card, for a query, records the query's code.
    Grava(CAMPO_TIPO_OPERACAO_CARTAO, "2");
    EXPECT_EQ(GravaTrilhas(63), 0);
    EXPECT_EQ(Le(CAMPO_DADOS_CARTAO), QByteArray(1, '\x04'));

    // A CDC-kind product keeps its code on an offline decline.
    Grava(CAMPO_CODIGO_REQUISICAO, "42");
    Grava(CAMPO_RESPOSTA_CHIP, "Z1");
    Produto.dados[OffProduto::TIPO] = '0';
    Produto.dados[OffProduto::TIPO + 1] = '4';
    ASSERT_TRUE(f->GravaCamposPontal());
    EXPECT_EQ(Le(CAMPO_CODIGO_REQUISICAO), "42");
    EXPECT_FALSE(Existe(CAMPO_MODO_ENTRADA_46));

    Host().camposRecusados.insert(CAMPO_DADOS_CARTAO);
    EXPECT_FALSE(f->GravaCamposPontal());
}

TEST_F(FormsTrn, PinpadDescriptorAndPinFlag) {
    Grava(CAMPO_TIPO_OPERACAO_CARTAO, "2");
    EXPECT_TRUE(FormataDadosCartaoPinpad());
    EXPECT_EQ(Le(CAMPO_TAG_002), "1;06;1;0;0;000000");
    Plataforma::GravaIni(QStringLiteral("Cliente.ini"), QStringLiteral("CLIENTOMBRA"), QStringLiteral("TipoPIN"),
                         QStringLiteral("Externo"));
    Roteiro("MontaDadosPinpad", {QJsonObject{{"block", QString(40, 'x') + "  00  "}}});
    EXPECT_TRUE(FormataDadosCartaoPinpad());
    EXPECT_EQ(Le(CAMPO_TAG_002), "3;06;1;0;0;000000");

    Grava(CAMPO_COLETA_DADOS, "0101");
    SetaCapturaSenha();
    EXPECT_EQ(Le(CAMPO_COLETA_DADOS), "1101");
    EXPECT_EQ(SomaValores(true), "0");
    Grava(CAMPO_VALOR_TRANSACAO, "1.000,00");
    Grava(CAMPO_VALOR_SAQUE, "2000");
    EXPECT_EQ(SomaValores(false), "100000");
    EXPECT_EQ(SomaValores(true), "102000");
}
