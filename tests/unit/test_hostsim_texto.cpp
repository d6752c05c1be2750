#include "bromo.h"
#include "test_hostsim_comum.h"

using TextoTest = HostSimTest;

TEST_F(TextoTest, DollarAndRemoveFormatoRoundTrip) {
    EXPECT_EQ(Dollar("123456"), "1.234,56");
    EXPECT_EQ(Dollar("5"), "0,05");
    EXPECT_EQ(Dollar(""), "0,00");
    EXPECT_EQ(Dollar("000150"), "1,50");
    EXPECT_EQ(Dollar("100000000"), "1.000.000,00");
    EXPECT_EQ(Dollar("12,34"), "12,34");
    for (const char* d : {"100", "1000", "99999", "123456789012"}) EXPECT_EQ(RemoveFormato(Dollar(d)), d) << d;
    EXPECT_EQ(RemoveFormato(Dollar("1")), "001");
    EXPECT_EQ(RemoveFormato("R$ 1.234,56 "), "123456");
}

TEST_F(TextoTest, DatesCrossMonthYearAndLeapDays) {
    EXPECT_EQ(SomaData("30012026", 2), "01022026");
    EXPECT_EQ(SomaData("28022028", 1), "29022028"); // leap year
    EXPECT_EQ(SomaData("31122026", 1), "01012027");
    EXPECT_EQ(SubtraiData("01012027", 1), "31122026");
    EXPECT_EQ(SubtraiData("01032026", 1), "28022026");
    EXPECT_EQ(SomaData("05122026", 0), "05122026");
    EXPECT_EQ(SomaData("31022026", 1), "") << "no such date";
    EXPECT_EQ(SomaData("5122026", 1), "");
    // The offline copies name their files by yyyymmdd; edits give dd/mm/yyyy.
    EXPECT_EQ(SubtraiData("20270101", 1), "20261231");
    EXPECT_EQ(SubtraiData("01/03/2028", 1), "29/02/2028");
    EXPECT_EQ(SomaData("2026-12-31", 1), "2027-01-01");
}

TEST_F(TextoTest, InstalmentsPutTheRemainderOnTheFirst) {
    const QStringList p = GeraParcelas("31012026", "10000", 3, 30, false);
    ASSERT_EQ(p.size(), 3);
    EXPECT_EQ(p[0], "31012026000000003334");
    EXPECT_EQ(p[1], "02032026000000003333");
    EXPECT_EQ(p[2], "01042026000000003333");
    const QStringList m = GeraParcelas("31012026", "100,00", 2, 0, true);
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(m[1].left(8), "28022026") << "a closed month keeps to the month's last day";
    EXPECT_TRUE(GeraParcelas("31012026", "10000", 0, 30, false).isEmpty());
    EXPECT_TRUE(GeraParcelas("xx", "10000", 2, 30, false).isEmpty());
    EXPECT_TRUE(GeraParcelas("31012026", "10000", 2, 0, false).isEmpty());
}

TEST_F(TextoTest, PaddingCentringAndPieces) {
    EXPECT_EQ(CompletaBrancosAEsquerda("12,00", 8), "   12,00");
    EXPECT_EQ(PreencherZerosEsquerda("42", 6), "000042");
    EXPECT_EQ(PreencherZerosEsquerda("1234567", 6), "1234567");
    EXPECT_EQ(JustificaDireita("AB", 5), "   AB");
    EXPECT_EQ(CentralizaMensagem("ABC", 8), "  ABC   ");
    EXPECT_EQ(CentralizaMensagem("ABCDEFGHIJ", 4), "ABCD");
    EXPECT_EQ(Replicate('*', 3), "***");
    EXPECT_EQ(Replicate('*', -1), "");
    EXPECT_EQ(CopiaSubStringDelimitador("a;b;;d", ';', 2), "b");
    EXPECT_EQ(CopiaSubStringDelimitador("a;b;;d", ';', 3), "");
    EXPECT_EQ(CopiaSubStringDelimitador("a;b;;d", ';', 5), "");
    EXPECT_EQ(ConvBinarioZonado(1), "01");
    EXPECT_EQ(ConvBinarioZonado(200), "200");
}

TEST_F(TextoTest, BitStringsFromBytesOrHex) {
    QByteArray out;
    ConvHexaBinarioStr(QString(QChar(0xA5)), 1, out);
    EXPECT_EQ(out, "10100101");
    ConvHexaBinarioStr("A", 1, out);
    EXPECT_EQ(out, "01000001");
    ConvHexaBinarioStr("a5", 0, out);
    EXPECT_EQ(out, "10100101");
    ConvHexaBinarioStr("z", 0, out);
    EXPECT_TRUE(out.isEmpty());
}

TEST_F(TextoTest, KeyboardAndValidationRules) {
    EXPECT_EQ(ValKeyBoard('\n'), 13);
    EXPECT_EQ(ValKeyBoard(8), 8);
    EXPECT_EQ(ValKeyBoard(1), '\0');
    EXPECT_EQ(ValKeyBoard('7'), '7');
    EXPECT_TRUE(VerificaCPF("529.982.247-25"));
    EXPECT_TRUE(VerificaCPF("11144477735"));
    EXPECT_FALSE(VerificaCPF("529.982.247-24"));
    EXPECT_FALSE(VerificaCPF("111.111.111-11"));
    EXPECT_FALSE(VerificaCPF("1234567890"));
    EXPECT_TRUE(ValidaTaxaServico("100,00", "", 10));
    EXPECT_TRUE(ValidaTaxaServico("100,00", "10,00", 10));
    EXPECT_FALSE(ValidaTaxaServico("100,00", "10,01", 10));
    EXPECT_FALSE(ValidaTaxaServico("100,00", "100,00", 0));
}
