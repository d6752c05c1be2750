#include "ciraz.h"
#include "pontal.h"
#include "sigilo.h"
#include "test_hostsim_comum.h"

#include <QDir>
#include <QFile>
#include <sqlite3.h>

using hostsim::estado;

namespace {

QByteArray Conteudo(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every row of the transaction file, as stored.
QList<QByteArray> Linhas(const QString& db) {
    QList<QByteArray> r;
    sqlite3* h = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(db).constData(), &h, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(h);
        return r;
    }
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(h, "SELECT instante || ' ' || campos FROM transacoes ORDER BY id", -1, &st, nullptr) ==
        SQLITE_OK)
        while (sqlite3_step(st) == SQLITE_ROW)
            r << QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    sqlite3_close(h);
    return r;
}

const QByteArray PAN = "5500000000000004";
const QByteArray TRILHA2 = PAN + "=29121010000012345";

} // namespace

using ArquivosTest = HostSimTest;

TEST_F(ArquivosTest, TransactionFileHoldsMaskedSnapshotsJournalHoldsAll) {
    auto& c = estado().campos;
    c.grava(1003, 0, "1500");
    c.grava(10104, 0, TRILHA2 + QByteArray("\x00", 1) + "B" + PAN + "^CLIENTE^2912");
    c.grava(10109, 0, TRILHA2);
    c.grava(10149, 0, "737");
    c.grava(10201, 0, PAN + "2912737");
    c.grava(1027, 0, "APROVADA CARTAO " + PAN);
    ASSERT_EQ(PontalGravaArquivo(), 0);
    c.grava(1003, 0, "2000");
    ASSERT_EQ(PontalGravaArquivo(), 0);

    const QList<QByteArray> linhas = Linhas(caminho("Transacoes.db"));
    ASSERT_EQ(linhas.size(), 2);
    for (const QByteArray& l : linhas) {
        EXPECT_FALSE(l.contains(PAN)) << l.constData();
        EXPECT_FALSE(l.contains("29121010000012345"));
        EXPECT_FALSE(l.contains("737"));
        EXPECT_FALSE(l.contains("CLIENTE"));
        EXPECT_TRUE(l.contains("550000******0004"));
    }
    EXPECT_TRUE(linhas[0].contains("\"1003\":\"1500\""));
    EXPECT_TRUE(linhas[1].contains("\"1003\":\"2000\""));
    EXPECT_FALSE(Conteudo(caminho("Transacoes.db")).contains(PAN)) << "nor anywhere in the file's pages";

    ASSERT_EQ(estado().arquivos.size(), 2);
    EXPECT_EQ(estado().arquivos[0].toObject()["fields"].toObject()["10149"].toString(), "737");
}

TEST_F(ArquivosTest, AFailedStoreIsACallNotAStoredTransaction) {
    estado().roteiro.acrescenta("PontalGravaArquivo", QJsonArray{5});
    EXPECT_EQ(PontalGravaArquivo(), 5);
    EXPECT_TRUE(Linhas(caminho("Transacoes.db")).isEmpty());
    EXPECT_TRUE(estado().arquivos.isEmpty());
    ASSERT_EQ(estado().chamadas.size(), 1);
    EXPECT_EQ(estado().chamadas[0].toObject(), (QJsonObject{{"op", "PontalGravaArquivo"}, {"args", QJsonArray{5}}}));

    // A file that is not a database refuses as a failing disk does.
    QFile f(caminho("Transacoes.db"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    EXPECT_NE(PontalGravaArquivo(), 0);
    EXPECT_TRUE(estado().arquivos.isEmpty());
    EXPECT_EQ(estado().chamadas.size(), 2);
}

TEST_F(ArquivosTest, AuditLinesAreDatedAndMasked) {
    const QByteArray linha = "Kora41 - cartao " + TRILHA2 + " fim";
    ASSERT_EQ(GravaAudit(0, linha.constData(), -1), 0);
    ASSERT_EQ(GravaAudit(0, "Criou: FrmVis_Deb e lixo", 17), 0);
    const QByteArray aud = Conteudo(caminho("Audit/20261205.aud"));
    // The clock runs on from the scenario's moment: the milliseconds vary.
    const QList<QByteArray> linhas = aud.split('\n');
    ASSERT_EQ(linhas.size(), 3) << aud.constData();
    EXPECT_TRUE(linhas[0].startsWith("05/12/2026 10:30:0")) << aud.constData();
    EXPECT_EQ(linhas[0].mid(23), " Kora41 - cartao 550000******0004=***************** fim\r");
    EXPECT_EQ(linhas[1].mid(23), " Criou: FrmVis_Deb\r");
    EXPECT_FALSE(aud.contains(PAN));
    ASSERT_EQ(estado().audit.size(), 2);
    EXPECT_EQ(estado().audit[1].toString(), "Criou: FrmVis_Deb");
}

TEST_F(ArquivosTest, PinpadLogIsMasked) {
    ExibeMsgPinpad("CARTAO " + QString::fromLatin1(PAN));
    const QByteArray dmp = Conteudo(caminho("BiblPinPad.20261205.dmp"));
    EXPECT_TRUE(dmp.contains("ExibeMsgPinpad"));
    EXPECT_FALSE(dmp.contains(PAN));
}

TEST(Sigilo, MasksLongDigitRunsAndTrackTails) {
    EXPECT_EQ(hostsim::MascaraPan("valor 123456789012 nsu 000123"), "valor 123456789012 nsu 000123");
    EXPECT_EQ(hostsim::MascaraPan("4111111111111"), "411111***1111");
    EXPECT_EQ(hostsim::MascaraPan(";4111111111111111=2512101?"), ";411111******1111=********");
    EXPECT_TRUE(hostsim::CampoSigiloso(10149));
    EXPECT_FALSE(hostsim::CampoSigiloso(1003));
    // As printed on a card, and a track with a lowercase separator.
    EXPECT_EQ(hostsim::MascaraPan("cartao 5555 6666 7777 8888 ok"), "cartao 5555 66** **** 8888 ok");
    EXPECT_EQ(hostsim::MascaraPan("5555-6666-7777-8888"), "5555-66**-****-8888");
    EXPECT_EQ(hostsim::MascaraPan("3782 822463 10005"), "3782 82**** *0005");
    EXPECT_EQ(hostsim::MascaraPan("5555666677778888d2812101"), "555566******8888d*******");
    // Dates, amounts and stamps in groups are not card numbers.
    for (const char* t : {"05122026 103000 000123", "1500 2000 3000", "5555 6666-7777 8888", "12 3456 7890 1234 5"})
        EXPECT_EQ(hostsim::MascaraPan(t), t);
}

TEST(Sigilo, ResultDocumentsAreMaskedFieldByField) {
    const QByteArray trilha = "5555666677778888=28121010000";
    const QJsonObject r{
        {"fields",
         QJsonObject{{"10109", QString::fromLatin1(trilha)}, {"10146", "5555666677778888"}, {"1003", "5000"}}},
        {"fieldsHex", QJsonObject{{"10104", QString::fromLatin1(trilha.toHex() + "00")},
                                  {"20033", QString::fromLatin1(QByteArray("x5555666677778888\x01").toHex())}}},
        {"files", QJsonArray{QJsonObject{{"fields", QJsonObject{{"10149", "123"}}}}}},
        {"requests", QJsonArray{QJsonObject{{"entries", QJsonArray{QJsonObject{{"field", 10110}, {"value", "B5555"}},
                                                                   QJsonObject{{"field", 1003}, {"value", "5000"}}}}}}},
        {"audit", QJsonArray{"cartao 5555666677778888"}}};
    const QJsonObject m = hostsim::MascaraDocumento(r);
    EXPECT_EQ(m["fields"].toObject(),
              (QJsonObject{{"10109", QString(trilha.size(), '*')}, {"10146", "555566******8888"}, {"1003", "5000"}}));
    EXPECT_EQ(m["fieldsHex"]["10104"].toString(), QString::fromLatin1(QByteArray(trilha.size() + 1, '*').toHex()));
    EXPECT_EQ(QByteArray::fromHex(m["fieldsHex"]["20033"].toString().toLatin1()), "x555566******8888\x01");
    EXPECT_EQ(m["files"][0]["fields"]["10149"].toString(), "***");
    EXPECT_EQ(m["requests"][0]["entries"][0]["value"].toString(), "*****");
    EXPECT_EQ(m["requests"][0]["entries"][1]["value"].toString(), "5000");
    EXPECT_EQ(m["audit"][0].toString(), "cartao 555566******8888");
}
