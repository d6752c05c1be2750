#include "bromo.h"
#include "ciraz.h"
#include "hostlib.h"
#include "lentar.h"
#include "pontal.h"
#include "test_hostsim_comum.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <dlfcn.h>

using hostsim::estado;

using RoteiroTest = HostSimTest;

TEST_F(RoteiroTest, ObjectAnswersFillOutValuesAndFields) {
    auto& r = estado().roteiro;
    r.acrescenta("FazConsultaBins", QJsonArray{QJsonObject{{"result", true}, {"authorizer", "0099"}}, false});
    r.acrescenta("LerCartao", QJsonArray{QJsonObject{{"result", 0}, {"fields", QJsonObject{{"10134", "1"}}}}});
    // The module tests interpose FazConsultaBins, and the card-range library
    // has nothing else for the linker to keep it for: reach it directly.
    void* lentar = dlopen("liblentar.so", RTLD_NOW);
    ASSERT_NE(lentar, nullptr) << dlerror();
    auto* FazConsultaBins = reinterpret_cast<bool (*)(int, int, int, int, int, QString&, QString&, int, QLabel*)>(
        dlsym(lentar, "_Z15FazConsultaBinsiiiiiR7QStringS0_iP6QLabel"));
    ASSERT_NE(FazConsultaBins, nullptr);
    QString aut, seg;
    EXPECT_TRUE(FazConsultaBins(0, 0, 0, 0, 0, aut, seg, 0, nullptr));
    EXPECT_EQ(aut, "0099");
    EXPECT_FALSE(FazConsultaBins(0, 0, 0, 0, 0, aut, seg, 0, nullptr));
    EXPECT_TRUE(FazConsultaBins(0, 0, 0, 0, 0, aut, seg, 0, nullptr));
    EXPECT_EQ(aut, "0125") << "unscripted, cards belong to this acquirer";
    EXPECT_EQ(LerCartao(0, true, ""), 0);
    EXPECT_EQ(estado().campos.le(10134), "1");
}

TEST_F(RoteiroTest, HostStateAnswersUnlessScripted) {
    estado().posicoesPdv = std::set<int>{1, 5};
    estado().posicoesTerminal = std::set<int>{7};
    estado().cartaoEmv = true;
    EXPECT_TRUE(TransacoesHabilitadasIntPos(5));
    EXPECT_FALSE(TransacoesHabilitadasIntPos(2));
    EXPECT_TRUE(TransacoesHabilitadas(7, 1));
    EXPECT_FALSE(TransacoesHabilitadas(8, 1));
    EXPECT_FALSE(TransacoesHabilitadas(7, 2));
    EXPECT_TRUE(CompreSaqueHabilitado(13)) << "absent list: everything enabled";
    EXPECT_TRUE(EhCartaoEMV());
    EXPECT_FALSE(EhCartaoChipComContato());
    estado().roteiro.acrescenta("EhCartaoEMV", QJsonArray{false});
    EXPECT_FALSE(EhCartaoEMV());
    EXPECT_TRUE(EhCartaoEMV());
}

TEST_F(RoteiroTest, MessagesComeFromTheTableOrAVisiblePlaceholder) {
    QFile f(caminho("msgs.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("# comentario\n802\tErro ao criar %s\r\n130\t\n2598\tSaque (em R$):\n");
    f.write(QByteArray("2599\tBom para:\xe0\n")); // Latin-1
    f.close();
    qputenv("TULEN_MENSAGENS", QFile::encodeName(f.fileName()));
    hostsim::RecarregaMensagens();
    QString t;
    LeMensagens(t, 802);
    EXPECT_EQ(t, "Erro ao criar %s");
    LeMensagens(t, 130);
    EXPECT_EQ(t, "<mensagem 130>") << "an empty text is never handed out";
    LeMensagens(t, 777);
    EXPECT_EQ(t, "<mensagem 777>");
    LeMensagens(t, 2599);
    EXPECT_EQ(t, QString::fromUtf8("Bom para:à"));
    EXPECT_EQ(estado().mensagensLidas.value(802), "Erro ao criar %s");
    EXPECT_EQ(estado().mensagensLidas.value(777), "<mensagem 777>");
    qunsetenv("TULEN_MENSAGENS");
    hostsim::RecarregaMensagens();
}

TEST_F(RoteiroTest, RulesReadTheReplyServices) {
    EXPECT_EQ(TrataRespostaServicoQ096(2), 1) << "no offer without the service";
    EXPECT_FALSE(VerificaServico5("FLUXOPERG:", 0));
    estado().campos.grava(20026, 0, "Q012096000001234");
    EXPECT_EQ(TrataRespostaServicoQ096(2), 1) << "a service without currency, rate and amount is no offer";
    estado().campos.grava(20026, 0,
                          "Q029096840USD00054321000000001841"
                          "5013FLUXOPERG:abc");
    EXPECT_EQ(TrataRespostaServicoQ096(2), 0);
    EXPECT_TRUE(VerificaServico5("FLUXOPERG:", 0));
    EXPECT_FALSE(VerificaServico5("", 0));
    estado().roteiro.acrescenta("TrataRespostaServicoQ096", QJsonArray{4});
    EXPECT_EQ(TrataRespostaServicoQ096(3), 4);
    estado().posicoesTerminal = std::set<int>{13};
    EXPECT_EQ(TrataServicoC_TransacoesHabilitadasTerminal(14), 0);
    EXPECT_EQ(TrataServicoC_TransacoesHabilitadasTerminal(13), 1);
}

TEST_F(RoteiroTest, QrCodeIsDrawnWithAQuietZone) {
    QImage img;
    AtualizaQRCode("00020101021226840014br.gov.bcb.pix", img, nullptr);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.width(), img.height());
    EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::white));
    int escuros = 0;
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2) escuros += img.pixelColor(x, y) == QColor(Qt::black);
    EXPECT_GT(escuros, 100);
    const QImage antes = img;
    AtualizaQRCode(QString(8000, 'x'), img, nullptr); // too long to code: the image stays
    EXPECT_EQ(img, antes);
}

TEST_F(RoteiroTest, TheQuestionFlowRunsUnscriptedOnlyWhenTheReplyAsksForIt) {
    QString titulo;
    EXPECT_EQ(RealizaPerguntasCamposLPergEx("QR", 0, titulo), 0);
    estado().campos.grava(20026, 0, "5010FLUXOPERG:1");
    EXPECT_NE(RealizaPerguntasCamposLPergEx("QR", 0, titulo), 0);
    EXPECT_EQ(titulo, "QR");
}

TEST_F(RoteiroTest, EveryScriptableOperationIsInTheHelp) {
    const QString ajuda = hostsim::AjudaOperacoes();
    for (const QString& op : hostsim::OperacoesRoteirizaveis()) EXPECT_TRUE(ajuda.contains(op)) << op.toStdString();
}
