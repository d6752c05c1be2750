#include "bromo.h"
#include "pontal.h"
#include "test_hostsim_comum.h"

#include <QJsonArray>
#include <QJsonDocument>

using hostsim::estado;

namespace {
QByteArray Le(uint16_t campo, uint16_t indice, int32_t capacidade, int16_t* ret = nullptr) {
    QByteArray buf(capacidade, '\x7f');
    int32_t n = capacidade;
    const int16_t r = PontalLeCampo(campo, indice, &n, reinterpret_cast<unsigned char*>(buf.data()));
    if (ret) *ret = r;
    return r == 0 ? buf.left(n) : QByteArray();
}
} // namespace

using CamposTest = HostSimTest;

TEST_F(CamposTest, BytesKeepExactLengthAndIndexesAreSeparate) {
    const unsigned char dados[] = {'A', 0, 'B', 0xff, 0};
    ASSERT_EQ(PontalGravaCampo(10104, 0, dados, 5), 0);
    ASSERT_EQ(PontalGravaCampo(10177, 2, reinterpret_cast<const unsigned char*>("dois"), 4), 0);
    EXPECT_EQ(Le(10104, 0, 64), QByteArray("A\0B\xff\0", 5));
    EXPECT_EQ(Le(10177, 2, 64), "dois");
    int16_t r = 0;
    Le(10177, 1, 64, &r);
    EXPECT_NE(r, 0) << "element 1 was never written";
    // A short buffer gets the head of the field and never more.
    QByteArray buf(3, '#');
    int32_t n = 2;
    EXPECT_EQ(PontalLeCampo(10104, 0, &n, reinterpret_cast<unsigned char*>(buf.data())), 0);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(buf, QByteArray("A\0#", 3));
    // An empty field exists; a cleared one does not.
    ASSERT_EQ(PontalGravaCampo(1003, 0, nullptr, 0), 0);
    EXPECT_EQ(Le(1003, 0, 8, &r), "");
    EXPECT_EQ(r, 0);
    PontalLimpaCampo(10177);
    Le(10177, 2, 8, &r);
    EXPECT_NE(r, 0);
}

TEST_F(CamposTest, RefusedFieldsChangeNothing) {
    estado().camposRecusados = {10233};
    estado().campos.grava(10233, 0, "20");
    const unsigned char v[] = {'3', '2'};
    EXPECT_NE(PontalGravaCampo(10233, 0, v, 2), 0);
    EXPECT_NE(GravaCampoString(10233, 0, "32"), 0);
    EXPECT_EQ(estado().campos.le(10233), "20");
    EXPECT_EQ(GravaCampoString(10234, 0, QString::fromUtf8("Crediário")), 0);
    EXPECT_EQ(estado().campos.le(10234), QByteArray("Credi\xe1rio"));
}

TEST_F(CamposTest, MaxLenReadDistinguishesAbsentFromBadArguments) {
    estado().campos.grava(20001, 0, QByteArray("0123456789"));
    char buf[4];
    int n = -1;
    EXPECT_EQ(PontalLeCampoMaxLen(20001, 0, buf, n, 4), 0);
    EXPECT_EQ(n, 4);
    EXPECT_EQ(QByteArray(buf, 4), "0123");
    EXPECT_EQ(PontalLeCampoMaxLen(20002, 0, buf, n, 4), -100);
    EXPECT_EQ(n, 0);
    EXPECT_NE(PontalLeCampoMaxLen(20001, 0, nullptr, n, 4), 0);
    EXPECT_NE(PontalLeCampoMaxLen(20001, 0, buf, n, -1), 0);
}

TEST_F(CamposTest, SnapshotSplitsTextHexAndIndexedAndMasksOnRequest) {
    auto& c = estado().campos;
    c.grava(1003, 0, "1500");
    c.grava(10104, 0, QByteArray("4111111111111111=2512\x00", 22));
    c.grava(10149, 0, "123");
    c.grava(20022, 0, "linha 1");
    c.grava(20022, 2, "linha 3");
    c.grava(1027, 0, "CARTAO 5500000000000004 OK");
    c.grava(1020, 0, ""); // empty fields are left out
    const QJsonObject f = hostsim::FotografiaCampos(c);
    EXPECT_EQ(f["fields"].toObject()["1003"].toString(), "1500");
    EXPECT_FALSE(f["fields"].toObject().contains("1020"));
    EXPECT_EQ(f["fieldsHex"].toObject()["10104"].toString(), QString::fromLatin1(c.le(10104).toHex()));
    EXPECT_EQ(f["indexed"].toObject()["20022"].toArray(), (QJsonArray{"linha 1", "", "linha 3"}));

    const QJsonObject m = hostsim::FotografiaCampos(c, true);
    const QByteArray json = QJsonDocument(m).toJson();
    EXPECT_FALSE(m["fieldsHex"].toObject().contains("10104"));
    EXPECT_FALSE(m["fields"].toObject().contains("10149"));
    EXPECT_EQ(m["fields"].toObject()["1027"].toString(), "CARTAO 550000******0004 OK");
    EXPECT_FALSE(json.contains("5500000000000004"));
}

TEST_F(CamposTest, ScenarioFieldsAreAllCheckedBeforeAnyIsWritten) {
    auto& c = estado().campos;
    QString erro;
    const QJsonObject bom{{"fields", QJsonObject{{"1003", "1500"}}},
                          {"fieldsHex", QJsonObject{{"10104", "3B00"}}}, // either case
                          {"indexedHex", QJsonObject{{"20033", QJsonArray{"41", "4243"}}}},
                          {"clear", QJsonArray{1009}}};
    c.grava(1009, 0, "FF");
    ASSERT_TRUE(hostsim::AplicaCampos(bom, c, erro)) << qPrintable(erro);
    EXPECT_EQ(c.le(10104), QByteArray("\x3b\x00", 2));
    EXPECT_EQ(c.le(20033, 1), "BC");
    EXPECT_FALSE(c.existe(1009));

    for (const QJsonObject& mau :
         {QJsonObject{{"fields", QJsonObject{{"1003", "9"}, {"abc", "x"}}}},
          QJsonObject{{"fields", QJsonObject{{"1003", "9"}, {"1004", QString::fromUtf8("€")}}}},
          QJsonObject{{"fieldsHex", QJsonObject{{"1003", "123"}}}},
          QJsonObject{{"indexed", QJsonObject{{"1003", "notalist"}}}}}) {
        EXPECT_FALSE(hostsim::AplicaCampos(mau, c, erro));
        EXPECT_FALSE(erro.isEmpty());
        EXPECT_EQ(c.le(1003), "1500") << "a rejected object wrote a field";
    }
}
