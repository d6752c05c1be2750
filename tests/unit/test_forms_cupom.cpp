// The instalment-plan coupon composed from the reply's fixed-layout records,
// and the service text cut at "@".
#include "receipt/Imprimeconsultakora.h"

#include <gtest/gtest.h>

namespace {

QByteArray Cabecalho(const QByteArray& loja) {
    QByteArray c = "00"
                   "1205"
                   "103015" +
                   QByteArray(9, '0') + "PLANO CONSULTA " + "654321" + QByteArray(19, ' ');
    return c + loja.leftJustified(16, ' ') + "000042";
}

QByteArray Consulta(const QByteArray& valor, int linhas, int linhasGravadas) {
    QByteArray c = valor + "01500" + QByteArray(12, '0') + "0501" + QByteArray(14, '0') +
                   QByteArray::number(linhas).rightJustified(2, '0');
    for (int i = 1; i <= linhasGravadas; ++i)
        c += QByteArray::number(i).rightJustified(2, '0') + "0150" + "000000034000";
    return c;
}

TDadosCupomPlano Dados() {
    TDadosCupomPlano d;
    d.cabecalho = Cabecalho("LOJA EXEMPLO");
    d.consulta = Consulta("000000100000", 3, 3);
    d.trilha = QStringLiteral("5555666677778888=28121010000");
    d.pdv = QStringLiteral("007");
    d.ano = 2026;
    return d;
}

TEST(CupomPlano, ComposesHeaderCardAndRows) {
    const QStringList l = MontaCupomPlano(Dados());
    ASSERT_EQ(l.size(), 27);
    EXPECT_EQ(l[2], QString(13, ' ') + "LOJA EXEMPLO");
    EXPECT_EQ(l[5], "PLANO CONSULTA ");
    EXPECT_EQ(l[7], "PDV=007" + QString(16, ' ') + "NSU=000042");
    EXPECT_EQ(l[8], "05/12/2026 10:30:15  AUT=654321  ONL-D");
    EXPECT_EQ(l[11], "         VALOR VENDA:" + QString(10, ' ') + "1000,00");
    EXPECT_EQ(l[12], "           VALOR TAC:" + QString(12, ' ') + "15,00");
    EXPECT_EQ(l[13], "       1a PARCELA EM:" + QString(7, ' ') + "05/01/2026");
    EXPECT_EQ(l[16], "  01" + QString(10, ' ') + "1,50%" + QString(12, ' ') + "340,00");
    EXPECT_EQ(l.last(), " ");
}

TEST(CupomPlano, TypedExpiryChipStatusAndSixteenCharacterMerchant) {
    TDadosCupomPlano d = Dados();
    d.cabecalho = Cabecalho("SUPERMERCADO XYZ");
    d.validade = QStringLiteral("0930");
    d.lidoChip = true;
    d.online = true;
    const QStringList l = MontaCupomPlano(d);
    EXPECT_EQ(l[2], QString(11, ' ') + "SUPERMERCADO XYZ") << "centred as 27 characters";
    EXPECT_TRUE(l[3].endsWith("09/30"));
    EXPECT_EQ(l[7], "PDV=007      S=ONL     NSU=000042");
    EXPECT_TRUE(l[8].endsWith("ONL-C"));
    d.online = false;
    EXPECT_EQ(MontaCupomPlano(d)[7], "PDV=007      S=OFF     NSU=000042");
}

TEST(CupomPlano, BadAmountShortRecordsAndRowsPastTheRecord) {
    TDadosCupomPlano d = Dados();
    d.consulta = Consulta("00000010000X", 9, 5);
    QStringList l = MontaCupomPlano(d);
    EXPECT_EQ(l[11], "         VALOR VENDA:" + QString(16, ' ') + "0");
    // Nine rows announced, five written: the fifth would pass the 138th character.
    EXPECT_EQ(l.size(), 28);
    EXPECT_TRUE(l[19].startsWith("  04"));
    d.consulta = "1";
    d.cabecalho = "0";
    d.trilha = QStringLiteral("12");
    l = MontaCupomPlano(d);
    EXPECT_EQ(l.size(), 24) << "no rows when the record is cut short";
    EXPECT_EQ(l[3].left(4), "12-1");
}

TEST(ServicoArroba, DropsTheCodeAndTheTextAfterTheLastSeparator) {
    EXPECT_EQ(LinhasServicoArroba(QStringLiteral("Xprimeira@segunda@terceira")),
              QStringList({"primeira ", "segunda "}));
    EXPECT_TRUE(LinhasServicoArroba(QStringLiteral("X")).isEmpty());
    EXPECT_TRUE(LinhasServicoArroba(QString()).isEmpty());
}

} // namespace
