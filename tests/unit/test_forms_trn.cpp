#include "Camposkora.h"
#include "Koramain.h"
#include "Capturaautokora.h"
#include "Contextokora.h"
#include "Constanteskora.h"
#include "Servicoskora.h"
#include "Servicoskora.h"
#include "debit/Debitovistakora.h"
#include "estado.h"
#include "platform.h"
#include "test_module_hostfalso.h"
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
#include <deque>
#include <gtest/gtest.h>

namespace {

void Grava(uint16_t campo, const QByteArray& v) { hostsim::estado().campos.grava(campo, 0, v); }
QByteArray Le(uint16_t campo) { return hostsim::estado().campos.le(campo, 0); }
bool Existe(uint16_t campo) { return hostsim::estado().campos.existe(campo, 0); }
void Roteiro(const char* op, QJsonArray respostas) { hostsim::estado().roteiro.acrescenta(op, respostas); }

// Answers the message boxes the form raises, in order.
class Caixas {
public:
    Caixas() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            textos.push_back(box->text());
            const auto botao = respostas.empty() ? QMessageBox::Ok : respostas.front();
            if (!respostas.empty()) respostas.pop_front();
            if (QAbstractButton* b = box->button(botao)) b->click();
            else box->done(botao);
        });
        timer_.start();
    }
    std::deque<QMessageBox::StandardButton> respostas;
    QStringList textos;

private:
    QTimer timer_;
};

class FormsTrn : public ::testing::Test {
protected:
    void SetUp() override {
        Plataforma::GaranteAplicacao();
        hostsim::estado().reinicia();
        HostFalso::Inicia();
        Plataforma::DefineDiretorioHost(dir.path());
        Produto.limpa();
        std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
        // Today's technical write-off is done: the forms send only their own request.
        const QString agora = Plataforma::Agora().toString(QStringLiteral("ddMMyyyyHHmmss"));
        for (const char* chave : {"UltimaBaixaTecnica", "DataHoraUltimaVerificacao"})
            Plataforma::GravaIni(QStringLiteral("Cliente.ini"), QStringLiteral("DadosPinpad"), QLatin1String(chave), agora);
        Plataforma::GravaIni(QStringLiteral("Cliente.ini"), QStringLiteral("DadosPinpad"),
                             QStringLiteral("IntervaloEmMinutosBaixaTecnica"), QStringLiteral("600"));
    }
    void TearDown() override { HostFalso::Encerra(); }
    QTemporaryDir dir;
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

const QStringList kOrdem{"Valida",   "Grava",    "DadosAdicionais", "ConverteMoeda", "ProcessaCartao",
                         "Senha",    "DadosEmv", "Grava",           "FormataPinpad", "ConfirmaValor"};

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

TEST_F(FormsTrn, AmountValidationRefusesEmptyAndZero) {
    Caixas caixas;
    std::unique_ptr<TFrmVis_Deb> f(TFrmVis_Deb::Cria());
    f->show();
    EXPECT_FALSE(f->ValidaCamposForm());
    f->edValor->setText(QStringLiteral("0"));
    EXPECT_EQ(f->edValor->text(), QStringLiteral("0,00"));
    EXPECT_FALSE(f->ValidaCamposForm());
    EXPECT_TRUE(f->edValor->text().isEmpty());
    EXPECT_TRUE(f->edValor->isEnabled());
    ASSERT_EQ(caixas.textos.size(), 2);
    EXPECT_EQ(caixas.textos[0], QStringLiteral("<msg 26>"));
    EXPECT_EQ(caixas.textos[1], QStringLiteral("<msg 790>"));
    f->edValor->setText(QStringLiteral("123456789"));
    EXPECT_TRUE(f->ValidaCamposForm());
    // A form without an amount edit passes.
    f->edValor->hide();
    f->edValor->clear();
    EXPECT_TRUE(f->ValidaCamposForm());

    double v = 0;
    EXPECT_TRUE(ConverteValor(QStringLiteral("1.234.567,89"), v));
    EXPECT_DOUBLE_EQ(v, 1234567.89);
    EXPECT_FALSE(ConverteValor(QStringLiteral("1,2,3"), v));
    EXPECT_FALSE(ConverteValor(QStringLiteral("12a"), v));
}

TEST_F(FormsTrn, ConfirmPathRunsItsStepsInOrderAndStopsAtTheFirstFailure) {
    for (int k = 0; k < kOrdem.size(); ++k) {
        std::unique_ptr<TrnGravador> f(TFrmMod::CriaForm<TrnGravador>());
        f->show();
        f->falha = kOrdem[k];
        f->btConfirmaClick();
        const int passos = kOrdem.indexOf(kOrdem[k]) + 1; // "Grava" fails at its first run
        EXPECT_EQ(f->passos, kOrdem.mid(0, passos)) << k;
        EXPECT_EQ(HostFalso::estado().autorizacoes, 0);
        // The operator gets the form back.
        EXPECT_TRUE(f->btConfirma->isEnabled());
        EXPECT_TRUE(f->pnCaptura->isEnabled());
        EXPECT_EQ(f->result(), 0);
    }
    // Field 10269 closes the form instead.
    Grava(CAMPO_FECHA_FALHA_CAPTURA, "1");
    std::unique_ptr<TrnGravador> f(TFrmMod::CriaForm<TrnGravador>());
    f->show();
    f->falha = QStringLiteral("Senha");
    f->btConfirmaClick();
    EXPECT_EQ(f->result(), mrOk);
}

TEST_F(FormsTrn, AllStepsPassedAuthorizesStoresOnceAndCloses) {
    std::unique_ptr<TrnGravador> f(TFrmMod::CriaForm<TrnGravador>());
    f->show();
    Grava(CAMPO_RESULTADO_TRANSACAO, "x");
    HostFalso::estado().aoEnviar = [] {
        Grava(CAMPO_CODIGO_RESPOSTA, "0");
        Grava(CAMPO_CABECALHO_RESPOSTA, "00HEADER");
        Grava(CAMPO_TEXTO_OPERADOR, "  APROVADA  ");
    };
    f->btConfirmaClick();
    EXPECT_EQ(f->passos, kOrdem);
    EXPECT_EQ(HostFalso::estado().autorizacoes, 1);
    EXPECT_EQ(HostFalso::estado().arquivos, 1);
    EXPECT_FALSE(Existe(CAMPO_RESULTADO_TRANSACAO));
    EXPECT_EQ(f->lbMensagem->text(), QStringLiteral("APROVADA"));
    EXPECT_EQ(f->result(), mrOk);
    EXPECT_TRUE(HostFalso::estado().audit.contains(
        QStringLiteral("Kora41 - TrnModeloKora.btConfirmaClick - CodRespCHIP : ")));
}

TEST_F(FormsTrn, ChipOfflineDeclineSendsNothingUnlessForcedOnline) {
    for (bool forca : {false, true}) {
        SetUp();
        Grava(CAMPO_LIDO_CHIP, "1");
        Grava(CAMPO_RESPOSTA_CHIP, "Z1");
        if (forca) Grava(CAMPO_OFFLINE_VAI_ONLINE, "1");
        HostFalso::estado().aoEnviar = [] { Grava(CAMPO_CODIGO_RESPOSTA, "0"); };
        std::unique_ptr<TrnGravador> f(TFrmMod::CriaForm<TrnGravador>());
        f->show();
        f->btConfirmaClick();
        EXPECT_EQ(HostFalso::estado().autorizacoes, forca ? 1 : 0);
        if (!forca) {
            EXPECT_EQ(Le(CAMPO_CODIGO_RESPOSTA), "FF");
            EXPECT_EQ(Le(CAMPO_TEXTO_RESULTADO), "<msg 1063>");
            ASSERT_FALSE(HostFalso::estado().removeCartao.empty());
            EXPECT_EQ(HostFalso::estado().removeCartao.back(), QStringLiteral("<msg 1092>"));
        }
        EXPECT_EQ(HostFalso::estado().arquivos, 1);
        EXPECT_EQ(f->result(), mrOk);
    }
}

TEST_F(FormsTrn, ChipAcceptedWithoutHostAnswerIsSentAgainAsY3) {
    Grava(CAMPO_LIDO_CHIP, "1");
    Grava(CAMPO_RESPOSTA_CHIP, "00");
    Grava(CAMPO_TIPO_OPERACAO_CARTAO, "5"); // chip data already in place
    Grava(CAMPO_TEXTO_SEGURANCA_RESPOSTA, " SEG ");
    int envios = 0;
    HostFalso::estado().aoEnviar = [&envios] {
        if (++envios == 2) Grava(CAMPO_CODIGO_RESPOSTA, "0");
    };
    Roteiro("FinalizaProcessoKora", {0});
    std::unique_ptr<TrnGravador> f(TFrmMod::CriaForm<TrnGravador>());
    f->show();
    f->btConfirmaClick();
    EXPECT_EQ(envios, 2);
    EXPECT_EQ(Le(CAMPO_RESPOSTA_CHIP), "Y3");
    EXPECT_EQ(Le(CAMPO_TEXTO_SEGURANCA), "SEG");
    EXPECT_TRUE(HostFalso::estado().audit.contains(
        QStringLiteral("Kora41 - TrnModeloKora.btConfirmaClick - CodRespCHIP : Y3")));
    EXPECT_EQ(HostFalso::estado().removeCartao.back(), QStringLiteral("<msg 1632>"));
}

TEST_F(FormsTrn, CardRefusingAnApprovalIsRecordedAsFF) {
    for (int r : {6, 100}) {
        SetUp();
        Grava(CAMPO_LIDO_CHIP, "1");
        HostFalso::estado().aoEnviar = [] {
            Grava(CAMPO_CODIGO_RESPOSTA, "0");
            Grava(CAMPO_CABECALHO_RESPOSTA, "00");
        };
        Roteiro("FinalizaProcessoKora", {r});
        std::unique_ptr<TrnGravador> f(TFrmMod::CriaForm<TrnGravador>());
        f->show();
        f->btConfirmaClick();
        EXPECT_EQ(Le(CAMPO_CODIGO_RESPOSTA), "FF");
        EXPECT_EQ(Le(CAMPO_TEXTO_RESULTADO), r == 100 ? "<msg 1394>" : "<msg 1063>");
        EXPECT_EQ(HostFalso::estado().arquivos, 1);
    }
}

TEST_F(FormsTrn, FieldRecordingOfCardAndSecurityData) {
    std::unique_ptr<TFrmTrn_Mod> f(TFrmTrn_Mod::Cria());
    f->edValor->setText(QStringLiteral("1500"));
    Grava(CAMPO_TRILHA2, "CMT:1234");
    Grava(CAMPO_TRILHA1, "B1234^NOME");
    Grava(CAMPO_CODIGO_SEGURANCA, "CSEG:123");
    Grava(CAMPO_DADOS_CARTAO_16, "12345678901234567890");
    ASSERT_TRUE(f->GravaCamposPontal());
    EXPECT_EQ(Le(CAMPO_VALOR_TRANSACAO), "1500");
    EXPECT_EQ(Le(CAMPO_DADOS_CARTAO), QByteArray("\0B1234^NOME", 11));
    EXPECT_EQ(Le(CAMPO_CODIGO_REQUISICAO), "42");
    EXPECT_EQ(Le(CAMPO_CODIGO_SEGURANCA), "123");
    EXPECT_EQ(Le(CAMPO_DADOS_CARTAO_16), "1234567890123456");

    // Typed card: the data move to 10201 once; the record is the separator.
    Grava(CAMPO_TIPO_OPERACAO_CARTAO, "2");
    Grava(CAMPO_DADOS_CARTAO, "5555666677778888=2812");
    ASSERT_TRUE(f->GravaCamposPontal());
    ASSERT_TRUE(f->GravaCamposPontal());
    EXPECT_EQ(Le(CAMPO_DADOS_CARTAO), QByteArray(1, '\0'));
    EXPECT_EQ(Le(CAMPO_CARTAO_DIGITADO), "5555666677778888=2812");
    EXPECT_EQ(GravaTrilhas(63), 0);
    EXPECT_EQ(Le(CAMPO_DADOS_CARTAO), QByteArray(1, '\x04'));

    const std::pair<const char*, const char*> codigos[] = {{"Y1", "44"}, {"Y3", "45"}, {"Z1", "46"}};
    for (auto [chip, codigo] : codigos) {
        Grava(CAMPO_RESPOSTA_CHIP, chip);
        ASSERT_TRUE(f->GravaCamposPontal());
        EXPECT_EQ(Le(CAMPO_CODIGO_REQUISICAO), codigo) << chip;
    }
    EXPECT_EQ(Le(CAMPO_MODO_ENTRADA_46), "1");
    // A CDC-kind product keeps its code on an offline decline.
    Grava(CAMPO_CODIGO_REQUISICAO, "42");
    Produto.dados[OffProduto::TIPO] = '0';
    Produto.dados[OffProduto::TIPO + 1] = '4';
    ASSERT_TRUE(f->GravaCamposPontal());
    EXPECT_EQ(Le(CAMPO_CODIGO_REQUISICAO), "42");

    hostsim::estado().camposRecusados.insert(CAMPO_DADOS_CARTAO);
    EXPECT_FALSE(f->GravaCamposPontal());
}

TEST_F(FormsTrn, PinpadDescriptorAndPinFlag) {
    Grava(CAMPO_TIPO_OPERACAO_CARTAO, "2");
    EXPECT_TRUE(FormataDadosCartaoPinpad());
    EXPECT_EQ(Le(CAMPO_TAG_002), "1;06;1;0;0;000000");
    Plataforma::GravaIni(QStringLiteral("Cliente.ini"), QStringLiteral("CLIENTOMBRA"), QStringLiteral("TipoPIN"),
                         QStringLiteral("Externo"));
    HostFalso::estado().bloco125 = QByteArray(40, 'x') + "  00  ";
    EXPECT_TRUE(FormataDadosCartaoPinpad());
    EXPECT_EQ(Le(CAMPO_TAG_002), "3;06;1;0;0;000000");
    HostFalso::estado().bloco125 = QByteArray(40, 'x') + "SAM01";
    EXPECT_TRUE(FormataDadosCartaoPinpad());
    EXPECT_EQ(Le(CAMPO_TAG_002), "4;06;1;0;0;000000");

    Grava(CAMPO_COLETA_DADOS, "0101");
    SetaCapturaSenha();
    EXPECT_EQ(Le(CAMPO_COLETA_DADOS), "1101");
    EXPECT_EQ(SomaValores(true), "0");
    Grava(CAMPO_VALOR_TRANSACAO, "1.000,00");
    Grava(CAMPO_VALOR_SAQUE, "2000");
    EXPECT_EQ(SomaValores(false), "100000");
    EXPECT_EQ(SomaValores(true), "102000");
}

TEST_F(FormsTrn, CustomerRefusingTheTotalEndsTheSaleWhenTheOperatorAgrees) {
    Caixas caixas;
    caixas.respostas = {QMessageBox::No, QMessageBox::Yes};
    Grava(CAMPO_COLETA_DADOS, "000000");
    Grava(CAMPO_CODIGO_TRANSACAO_RESPOSTA, "00");
    Roteiro("ObtemConfirmacao", {9, 9});
    std::unique_ptr<TFrmTrn_Mod> f(TFrmTrn_Mod::Cria());
    f->show();
    // Recorded by the time the confirm path gets here (the form clears the withdrawal when shown).
    Grava(CAMPO_VALOR_TRANSACAO, "5000");
    Grava(CAMPO_VALOR_SAQUE, "1000");
    EXPECT_FALSE(f->VerificaConfirmacaoValorPinpad());
    EXPECT_EQ(caixas.textos, QStringList({"<msg 1069>", "<msg 1069>"}));
    EXPECT_EQ(Le(CAMPO_CODIGO_RESPOSTA), "255");
    EXPECT_EQ(Le(CAMPO_TEXTO_RESULTADO), "<msg 801>");
    EXPECT_EQ(HostFalso::estado().arquivos, 1);
    EXPECT_EQ(f->result(), mrOk);

    // A PIN captured: nobody is asked.
    Grava(CAMPO_COLETA_DADOS, "100000");
    EXPECT_TRUE(f->VerificaConfirmacaoValorPinpad());
}

TEST_F(FormsTrn, DebitAtSightWithdrawalAndRequestFields) {
    Produto.dados[OffProduto::PERMITE_SAQUE] = '1';
    Grava(CAMPO_VALOR_SAQUE_FORMATADO, "1000");
    Grava(CAMPO_VALOR_TRANSACAO, "2500");
    Grava(CAMPO_QTD_PARCELAS, "3");
    DefineDataPreCDCDebito("019:20261224");
    std::unique_ptr<TFrmVis_Deb> f(TFrmVis_Deb::Cria());
    f->show();
    EXPECT_EQ(f->objectName(), QStringLiteral("FrmVis_Deb"));
    EXPECT_EQ(f->pTransacao, &TrnDebito);
    EXPECT_EQ(TamanhoVariavel(TrnDebito, "pDataPreCDC"), 0);
    EXPECT_EQ(f->edValor->text(), QStringLiteral("25,00"));
    EXPECT_FALSE(f->edValor->isEnabled());
    EXPECT_EQ(f->edValorSaque->text(), QStringLiteral("10,00"));
    EXPECT_FALSE(f->edValorSaque->isEnabled());
    EXPECT_TRUE(f->lbValorSaque->isEnabled());
    EXPECT_EQ(f->lbTitulo->text(), QStringLiteral("<msg 423>"));
    ASSERT_TRUE(f->GravaCamposPontal());
    EXPECT_EQ(Le(CAMPO_CODIGO_TIPO_TRANSACAO), "32");
    EXPECT_FALSE(Existe(CAMPO_QTD_PARCELAS));

    // Without withdrawal the host's amount is dropped.
    Produto.dados[OffProduto::PERMITE_SAQUE] = '0';
    std::unique_ptr<TFrmVis_Deb> g(TFrmVis_Deb::Cria());
    g->show();
    EXPECT_FALSE(g->edValorSaque->isEnabled());
    EXPECT_FALSE(g->lbNomeIssuer->isEnabled());
    EXPECT_FALSE(Existe(CAMPO_VALOR_SAQUE_FORMATADO));

    hostsim::estado().camposRecusados.insert(CAMPO_CODIGO_TIPO_TRANSACAO);
    EXPECT_FALSE(g->GravaCamposPontal());
}

TEST_F(FormsTrn, AmountGivenByTheHostConfirmsByItself) {
    Grava(CAMPO_VALOR_TRANSACAO, "1500");
    HostFalso::estado().aoEnviar = [] { Grava(CAMPO_CODIGO_RESPOSTA, "0"); };
    std::unique_ptr<TrnGravador> f(TFrmMod::CriaForm<TrnGravador>());
    f->show();
    f->activateWindow();
    EXPECT_FALSE(f->edValor->isEnabled());
    EXPECT_EQ(f->edValor->text(), QStringLiteral("15,00"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return f->result() != 0; }, 3000));
    EXPECT_EQ(f->passos, kOrdem);
    EXPECT_EQ(f->result(), mrOk);
    EXPECT_EQ(HostFalso::estado().autorizacoes, 1);
}

TEST_F(FormsTrn, DeclineWithCurrencyOfferAcceptedIsAuthorizedOnceMore) {
    HostFalso::estado().aoEnviar = [] {
        Grava(CAMPO_CODIGO_RESPOSTA, "51");
        Grava(CAMPO_CABECALHO_RESPOSTA, "51NEGADA");
        Grava(CAMPO_CODIGO_TRANSACAO_RESPOSTA, "99");
    };
    Roteiro("TrataRespostaServicoQ096", {0, 0});
    Roteiro("ObtemConfirmacaoMoedaCliente", {9, 9});
    Roteiro("AtualizaDadosTrxMoedaSelecionada", {0, 0});
    std::unique_ptr<TrnGravador> f(TFrmMod::CriaForm<TrnGravador>());
    f->show();
    f->btConfirmaClick();
    EXPECT_EQ(HostFalso::estado().autorizacoes, 2);
    EXPECT_EQ(Le(CAMPO_CODIGO_RESPOSTA), "51");
    EXPECT_EQ(f->result(), mrOk);
    EXPECT_EQ(hostsim::estado().roteiro.naoUsadas().value("ObtemConfirmacaoMoedaCliente").toArray().size(), 1);
}
