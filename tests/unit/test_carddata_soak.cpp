#include "soak/Segredoscartao.h"
#include "soak/Soak.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
long g_rss = 0;
long RssFalso() { return g_rss; }
} // namespace

TEST(Soak, OptionsNeedAWarmupShorterThanTheRun) {
    Soak::Opcoes op;
    QString erro;
    EXPECT_TRUE(Soak::LeOpcoes({"--sales", "50", "--warmup", "5", "--hostdir", "/tmp/x"}, op, erro));
    EXPECT_EQ(op.vendas, 50);
    EXPECT_EQ(op.diretorio, "/tmp/x");
    Soak::Opcoes ruim;
    EXPECT_FALSE(Soak::LeOpcoes({"--sales", "5", "--warmup", "5"}, ruim, erro));
    EXPECT_FALSE(Soak::LeOpcoes({"--sales", "many"}, ruim, erro));
    EXPECT_FALSE(Soak::LeOpcoes({"--sales"}, ruim, erro));
    EXPECT_FALSE(Soak::LeOpcoes({"--sale", "5"}, ruim, erro));
}

TEST(Soak, VerdictOnGrowthAndStoredTransactions) {
    Soak::Medidor m(2, RssFalso);
    g_rss = 50000;
    m.depois(1); // still warming up: not the reference
    g_rss = 60000;
    m.depois(2);
    g_rss = 62048;
    m.depois(3);
    EXPECT_EQ(m.rssAquecido(), 60000);
    EXPECT_EQ(m.rssFinal(), 62048);

    Soak::Contadores esperado{3, 1}, real{3, 1};
    EXPECT_TRUE(Soak::Avalia(m, esperado, real, 0, false, 2048).ok);
    EXPECT_FALSE(Soak::Avalia(m, esperado, real, 0, false, 2047).ok);

    real.arquivos = 2; // one transaction not stored
    const auto r = Soak::Avalia(m, esperado, real, 0, false, 2048);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.motivos.join(' ').contains("2 transactions stored, 3 expected"));
    EXPECT_FALSE(Soak::Avalia(m, esperado, esperado, 0, true, 2048).ok);
    EXPECT_FALSE(Soak::Avalia(Soak::Medidor(5, RssFalso), esperado, esperado, 0, false, 2048).ok);
}

TEST(Soak, TestCardsAreValidAndReachTheCheckerThroughTheirFile) {
    const auto cartoes = Soak::CartoesTeste();
    ASSERT_GE(cartoes.size(), 2u);
    QTemporaryDir dir;
    const QString arquivo = dir.filePath("cards.json");
    ASSERT_TRUE(Soak::GravaSegredos(arquivo, cartoes));
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    DadosCartao::Segredos s;
    DadosCartao::ColetaSegredos(QJsonDocument::fromJson(f.readAll()), s);
    for (const auto& c : cartoes) {
        EXPECT_TRUE(DadosCartao::Luhn(c.pan.toStdString()));
        EXPECT_NE(std::find(s.cartoes.begin(), s.cartoes.end(), c.pan.toStdString()), s.cartoes.end());
        EXPECT_NE(std::find(s.codigos.begin(), s.codigos.end(), c.codigo.toStdString()), s.codigos.end());
    }
    EXPECT_FALSE(s.restoTrilha.empty());
}

TEST(Soak, ScenarioHexFieldsAreDecodedBeforeTheSearch) {
    DadosCartao::Segredos s;
    const QByteArray track = QByteArray("5899160000123450=2912101").toHex();
    DadosCartao::ColetaSegredos(
        QJsonDocument::fromJson(R"({"host":{"fieldsHex":{"10104":")" + track + R"("},"fields":{"10149":"123"}}})"), s);
    EXPECT_EQ(s.cartoes, std::vector<std::string>{"5899160000123450"});
    EXPECT_EQ(s.codigos, std::vector<std::string>{"123"});
}

#include "../../bench/Estatistica.h"

TEST(Bench, MedianAndNearestRankP95) {
    std::vector<double> v;
    for (int i = 200; i >= 1; --i) v.push_back(i); // unsorted on purpose
    const auto r = Bench::Resume(v);
    EXPECT_EQ(r.n, 200u);
    EXPECT_DOUBLE_EQ(r.mediana, 100.5);
    EXPECT_DOUBLE_EQ(r.p95, 190);
    EXPECT_DOUBLE_EQ(r.minimo, 1);
    EXPECT_DOUBLE_EQ(Bench::Resume({7}).p95, 7);
    EXPECT_EQ(Bench::Resume({}).n, 0u);
}
