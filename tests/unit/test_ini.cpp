#include "platform.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class IniTest : public ::testing::Test {
protected:
    void SetUp() override { Plataforma::DefineDiretorioHost(dir.path()); }
    void TearDown() override { Plataforma::DefineDiretorioHost({}); }
    QString conteudo(const QString& nome) {
        QFile f(dir.path() + '/' + nome);
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }
    QTemporaryDir dir;
};

TEST_F(IniTest, MissingFileSectionOrKeyGivesDefault) {
    EXPECT_EQ(Plataforma::LeIni("nada.ini", "S", "K", "pad"), "pad");
    ASSERT_TRUE(Plataforma::GravaIni("a.ini", "S", "K", "v"));
    EXPECT_EQ(Plataforma::LeIni("a.ini", "Outra", "K", "pad"), "pad");
    EXPECT_EQ(Plataforma::LeIni("a.ini", "S", "X", "pad"), "pad");
    EXPECT_EQ(Plataforma::LeIniInt("a.ini", "S", "K", 7), 7); // not a number
}

TEST_F(IniTest, SectionsAndKeysAreCaseInsensitiveAndRewritesKeepOtherLines) {
    ASSERT_TRUE(Plataforma::GravaIni("c.ini", "0125", "VERSAO", "1.0"));
    ASSERT_TRUE(Plataforma::GravaIni("c.ini", "Outra", "Chave", "x"));
    ASSERT_TRUE(Plataforma::GravaIni("c.ini", "0125", "versao", "2.0"));
    ASSERT_TRUE(Plataforma::GravaIni("c.ini", "0125", "Nova", "12abc"));
    EXPECT_EQ(Plataforma::LeIni("c.ini", "0125", "VERSAO"), "2.0");
    EXPECT_EQ(Plataforma::LeIni("c.ini", "OUTRA", "chave"), "x");
    EXPECT_EQ(Plataforma::LeIniInt("c.ini", "0125", "nova", 0), 12);
    EXPECT_EQ(conteudo("c.ini"), "[0125]\r\nversao=2.0\r\nNova=12abc\r\n\r\n[Outra]\r\nChave=x\r\n");
}

TEST_F(IniTest, WritingTheValueAKeyHoldsLeavesTheFileAsItWas) {
    {
        QFile f(dir.path() + "/h.ini");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("; da loja\n[DadosPinpad]\nUltima = 07122026\n");
    }
    ASSERT_TRUE(Plataforma::GravaIni("h.ini", "dadospinpad", "ULTIMA", "07122026"));
    EXPECT_EQ(conteudo("h.ini"), "; da loja\n[DadosPinpad]\nUltima = 07122026\n");
    const Plataforma::RetratoIni retrato("h.ini");
    ASSERT_TRUE(Plataforma::GravaIni("h.ini", "DadosPinpad", "Ultima", "08122026"));
    EXPECT_EQ(conteudo("h.ini"), "; da loja\r\n[DadosPinpad]\r\nUltima=08122026\r\n");
    EXPECT_EQ(retrato.le("DADOSPINPAD", "ultima"), "07122026") << "a snapshot keeps what it read";
    EXPECT_EQ(Plataforma::RetratoIni("h.ini").le("DadosPinpad", "Ultima"), "08122026");
}
