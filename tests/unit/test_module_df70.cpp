// The extended automatic-capture tag: its decoder, and when the pinpad is asked for it.
#include "Camposkora.h"
#include "Capturaautokora.h"
#include "test_module_host.h"

namespace {

using namespace TesteHost;

// Pinpad block 125: maker at 0, application version at 33.
QJsonObject Bloco125(const char* fabricante, const char* versao, int r = 0) {
    QByteArray b(250, '\0');
    b.replace(0, int(strlen(fabricante)), fabricante);
    b.replace(33, int(strlen(versao)), versao);
    return {{"result", r}, {"blockHex", QString::fromLatin1(b.toHex())}};
}
QJsonObject DF70(const char* dados, int r = 0) { return {{"result", r}, {"data", dados}}; }

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

using VersaoPinpad = HostTest;

TEST_F(VersaoPinpad, ExtendedDataByMakerAndVersion) {
    Roteiro("MontaDadosPinpad", {Bloco125("OUTRO", "107B03"), Bloco125("  gertec ", "107B03"),
                                 Bloco125("GERTEC", "107B03"), Bloco125("OUTRO", "108A01")});
    Roteiro("ObtemDadosPinpadAutoCapturaEstendidaTagDF70", {DF70("", 5), DF70("010DF7002ABCD"), DF70("010DF7002ABCD")});
    EXPECT_TRUE(VerificaVersaoAplicacaoTulen());
    EXPECT_FALSE(Existe(CAMPO_AUTO_CAPTURA_ESTENDIDA)) << "another maker below 108A01 is not asked";
    EXPECT_FALSE(VerificaVersaoAplicacaoTulen()) << "GERTEC at 107B03 asks for the tag";
    EXPECT_TRUE(VerificaVersaoAplicacaoTulen());
    EXPECT_EQ(Le(CAMPO_AUTO_CAPTURA_ESTENDIDA), "52:ABCD");
    Host().campos.limpaTudo();
    EXPECT_TRUE(VerificaVersaoAplicacaoTulen());
    EXPECT_EQ(Le(CAMPO_AUTO_CAPTURA_ESTENDIDA), "52:ABCD");
    EXPECT_EQ(Audit().last(), "Saiu : VerificaVersaoAplicacaoTulen");
}

TEST_F(VersaoPinpad, FailuresWriteNothing) {
    Roteiro("MontaDadosPinpad",
            {Bloco125("GERTEC", "108A01", 1), Bloco125("GERTEC", "108A01"), Bloco125("GERTEC", "108A01"),
             Bloco125("GERTEC", "108A01"), QJsonObject{{"result", 0}, {"block", "GERTEC"}}});
    Roteiro("ObtemDadosPinpadAutoCapturaEstendidaTagDF70",
            {DF70("006DF7002ABCD"), DF70("010DF7009ABCD"), DF70("010DF7000")});
    EXPECT_FALSE(VerificaVersaoAplicacaoTulen());
    EXPECT_FALSE(VerificaVersaoAplicacaoTulen());
    EXPECT_FALSE(VerificaVersaoAplicacaoTulen());
    EXPECT_TRUE(VerificaVersaoAplicacaoTulen());
    EXPECT_FALSE(Existe(CAMPO_AUTO_CAPTURA_ESTENDIDA));
    // A pinpad answer shorter than the version offset reads as no version.
    EXPECT_TRUE(VerificaVersaoAplicacaoTulen());
    EXPECT_EQ(Chamadas("ObtemDadosPinpadAutoCapturaEstendidaTagDF70").size(), 3u);
}

} // namespace
