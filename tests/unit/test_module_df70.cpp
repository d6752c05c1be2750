#include "Camposkora.h"
#include "Koramain.h"
#include "Capturaautokora.h"
#include "Contextokora.h"
#include "Constanteskora.h"
#include "Servicoskora.h"
#include "estado.h"
#include "test_module_hostfalso.h"

#include <gtest/gtest.h>

namespace {

QByteArray Bloco125(const char* fabricante, const char* versao) {
    QByteArray b(250, '\0');
    b.replace(0, int(strlen(fabricante)), fabricante);
    b.replace(33, int(strlen(versao)), versao);
    return b;
}

TEST(DF70, DecodesCountLengthAndValue) {
    QByteArray v;
    EXPECT_TRUE(DecodificaDF70("  010DF7004A1B2C3D4  ", v));
    EXPECT_EQ(v, "A1B2C3D4");
    // Zero bytes after the text are the buffer, not the answer.
    EXPECT_TRUE(DecodificaDF70(QByteArray("007DF7001FF") + QByteArray(20, '\0'), v));
    EXPECT_EQ(v, "FF");
    EXPECT_TRUE(DecodificaDF70("010DF7000", v));
    EXPECT_TRUE(v.isEmpty());
    EXPECT_TRUE(DecodificaDF70("010DF70", v)) << "no length: nothing to write";
    EXPECT_TRUE(v.isEmpty());
}

TEST(DF70, RefusesSmallCountsAndTruncatedValues) {
    QByteArray v;
    EXPECT_FALSE(DecodificaDF70("006DF7001AA", v));
    EXPECT_FALSE(DecodificaDF70("ABCDF7001AA", v));
    EXPECT_FALSE(DecodificaDF70("", v));
    EXPECT_FALSE(DecodificaDF70("010DF7004A1B2", v));
    EXPECT_FALSE(DecodificaDF70(QByteArray("010DF7004A1B2C3") + '\0' + "D4", v));
    EXPECT_TRUE(v.isEmpty());
}

class VersaoPinpad : public ::testing::Test {
protected:
    void SetUp() override { HostFalso::Inicia(); }
    void TearDown() override { HostFalso::Encerra(); }
    QByteArray Campo10384() { return hostsim::estado().campos.le(CAMPO_AUTO_CAPTURA_ESTENDIDA, 0); }
    bool Existe10384() { return hostsim::estado().campos.existe(CAMPO_AUTO_CAPTURA_ESTENDIDA, 0); }
};

TEST_F(VersaoPinpad, ExtendedDataByMakerAndVersion) {
    auto& h = HostFalso::estado();
    h.df70 = "010DF7002ABCD";
    h.bloco125 = Bloco125("OUTRO", "107B03");
    h.retDF70 = 5; // would fail if asked
    EXPECT_TRUE(VerificaVersaoAplicacaoTulen());
    EXPECT_FALSE(Existe10384());

    h.bloco125 = Bloco125("  gertec ", "107B03");
    EXPECT_FALSE(VerificaVersaoAplicacaoTulen()) << "GERTEC at 107B03 asks for the tag";
    h.retDF70 = 0;
    EXPECT_TRUE(VerificaVersaoAplicacaoTulen());
    EXPECT_EQ(Campo10384(), "52:ABCD");

    hostsim::estado().campos.limpaTudo();
    h.bloco125 = Bloco125("OUTRO", "108A01");
    EXPECT_TRUE(VerificaVersaoAplicacaoTulen());
    EXPECT_EQ(Campo10384(), "52:ABCD");
    EXPECT_EQ(h.audit.back(), "Saiu : VerificaVersaoAplicacaoTulen");
}

TEST_F(VersaoPinpad, FailuresWriteNothing) {
    auto& h = HostFalso::estado();
    h.bloco125 = Bloco125("GERTEC", "108A01");
    h.retPinpad = 1;
    EXPECT_FALSE(VerificaVersaoAplicacaoTulen());
    h.retPinpad = 0;
    h.df70 = "006DF7002ABCD";
    EXPECT_FALSE(VerificaVersaoAplicacaoTulen());
    h.df70 = "010DF7009ABCD";
    EXPECT_FALSE(VerificaVersaoAplicacaoTulen());
    h.df70 = "010DF7000";
    EXPECT_TRUE(VerificaVersaoAplicacaoTulen());
    EXPECT_FALSE(Existe10384());
    // A pinpad answer shorter than the version offset reads as no version.
    h.bloco125 = "GERTEC";
    EXPECT_TRUE(VerificaVersaoAplicacaoTulen());
}

} // namespace
