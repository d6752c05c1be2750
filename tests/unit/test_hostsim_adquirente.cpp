#include "bromo.h"
#include "transaction/Descritoreskora.h"
#include "hostlib.h"
#include "pontal.h"
#include "test_hostsim_comum.h"

#include <QJsonArray>
#include <cstring>

using hostsim::estado;

namespace {

// Texts and descriptors live side by side in static storage, so the
// self-relative text slots stay within reach.
char g_tag001[] = "001:";
char g_literal[] = "0125";
char g_variavel[13] = "019:20261210";
char g_vazio[] = "";
TTransacao g_trn;
TTransacao g_cheio;

void Entrada(TTransacao& t, int i, uint16_t campo, const char* texto, uint16_t formato = 0, uint8_t modo = 0,
             uint16_t tamanho = 0, uint16_t indice = 0) {
    auto& e = t.entradas[i];
    e.campo = campo;
    e.indice = indice;
    e.tamanho = tamanho;
    e.formato = formato;
    e.modo = modo;
    DefineTextoEntrada(e, texto);
}

void MontaDescritor() {
    std::memset(&g_trn, 0, sizeof g_trn);
    g_trn.codigo = 240;
    g_trn.flag = 1;
    Entrada(g_trn, 0, 0, g_literal);
    Entrada(g_trn, 1, 1003, nullptr, 4);
    Entrada(g_trn, 2, 10193, g_tag001);
    Entrada(g_trn, 3, 0, g_variavel, 0, 0xFF, 8); // only part of the variable goes
    Entrada(g_trn, 4, 10177, g_tag001, 0, 0, 0, 2);
    Entrada(g_trn, 5, 10176, nullptr, 0, 0xFF);
    Entrada(g_trn, 6, FIM_DESCRITOR, g_vazio);
    Entrada(g_trn, 7, 1009, nullptr); // beyond the end marker: never sent
}

QJsonObject UltimaRequisicao() { return estado().requisicoes.last().toObject(); }

} // namespace

class AdquirenteTest : public HostSimTest {
protected:
    void SetUp() override {
        HostSimTest::SetUp();
        MontaDescritor();
    }
};

TEST_F(AdquirenteTest, RequestKeepsOrderTagsLiteralsAndVariableLength) {
    estado().campos.grava(1003, 0, "1500");
    estado().campos.grava(10193, 0, "0042");
    estado().campos.grava(10177, 2, "DUKPT");
    ASSERT_EQ(AutorizaTransacao(&g_trn, nullptr, 1), 0);
    const QJsonObject r = UltimaRequisicao();
    EXPECT_EQ(r["via"].toString(), "AutorizaTransacao");
    EXPECT_EQ(r["mode"].toInt(), 1);
    EXPECT_EQ(r["code"].toInt(), 240);
    EXPECT_EQ(r["flag"].toInt(), 1);
    const QJsonArray e = r["entries"].toArray();
    ASSERT_EQ(e.size(), 6);
    EXPECT_EQ(e[0].toObject()["value"].toString(), "0125");
    EXPECT_EQ(e[0].toObject()["field"].toInt(), 0);
    EXPECT_EQ(e[1].toObject()["format"].toInt(), 4);
    EXPECT_EQ(e[1].toObject()["value"].toString(), "1500");
    EXPECT_EQ(e[2].toObject()["tag"].toString(), "001:");
    EXPECT_EQ(e[3].toObject()["value"].toString(), "019:2026");
    EXPECT_EQ(e[3].toObject()["mode"].toInt(), 255);
    EXPECT_EQ(e[4].toObject()["index"].toInt(), 2);
    EXPECT_EQ(e[4].toObject()["value"].toString(), "DUKPT");
    EXPECT_EQ(e[5].toObject()["value"].toString(), "") << "an absent field travels empty";

    // A variable entry of length 0 sends nothing, however full the variable.
    g_trn.entradas[3].tamanho = 0;
    std::memset(g_variavel, 0, sizeof g_variavel);
    PontalEnviarMensagem(&g_trn);
    EXPECT_EQ(UltimaRequisicao()["via"].toString(), "PontalEnviarMensagem");
    EXPECT_EQ(UltimaRequisicao()["entries"].toArray()[3].toObject()["value"].toString(), "");
}

TEST_F(AdquirenteTest, DescriptorWithoutEndMarkerStopsAtThirtyOneEntries) {
    std::memset(&g_cheio, 0, sizeof g_cheio);
    for (int i = 0; i < MAX_ENTRADAS_DESCRITOR; ++i) Entrada(g_cheio, i, uint16_t(2000 + i), nullptr);
    g_cheio.filler = 0xFF; // what follows the entries is not read as one
    ASSERT_EQ(AutorizaTransacao(&g_cheio, nullptr, 0), 0);
    const QJsonArray e = UltimaRequisicao()["entries"].toArray();
    ASSERT_EQ(e.size(), 31);
    EXPECT_EQ(e[30].toObject()["field"].toInt(), 2030);
}

TEST_F(AdquirenteTest, EncodingRoundTripsBinaryValuesAndRejectsDamage) {
    estado().campos.grava(1003, 0, QByteArray("1\n2:\0", 5));
    const hostsim::Requisicao r = hostsim::MontaRequisicao(g_trn, estado().campos);
    const QByteArray b = hostsim::CodificaRequisicao(r);
    const auto d = hostsim::DecodificaRequisicao(b);
    ASSERT_TRUE(d.has_value());
    ASSERT_EQ(d->entradas.size(), r.entradas.size());
    EXPECT_EQ(d->codigo, 240);
    for (size_t i = 0; i < r.entradas.size(); ++i) {
        EXPECT_EQ(d->entradas[i].campo, r.entradas[i].campo);
        EXPECT_EQ(d->entradas[i].tag, r.entradas[i].tag);
        EXPECT_EQ(d->entradas[i].valor, r.entradas[i].valor);
        EXPECT_EQ(d->entradas[i].modo, r.entradas[i].modo);
    }
    EXPECT_FALSE(hostsim::DecodificaRequisicao(b.left(b.size() - 1)).has_value());
    EXPECT_FALSE(hostsim::DecodificaRequisicao(b + "x").has_value());
    QByteArray longo = b;
    longo.replace("TLQ1 240 1 6\n", "TLQ1 240 1 7\n");
    EXPECT_FALSE(hostsim::DecodificaRequisicao(longo).has_value());
}

TEST_F(AdquirenteTest, BuiltInRulesApproveDeclineAndStaySilent) {
    auto& c = estado().campos;
    c.grava(1003, 0, "1500");
    ASSERT_EQ(AutorizaTransacao(&g_trn, nullptr, 0), 0);
    EXPECT_EQ(c.le(1009), "00");
    const QByteArray h1 = c.le(20017);
    EXPECT_TRUE(h1.startsWith("00"));
    ASSERT_EQ(AutorizaTransacao(&g_trn, nullptr, 0), 0);
    EXPECT_NE(c.le(20017).mid(2, 12), h1.mid(2, 12)) << "each approval has its own NSU";
    EXPECT_EQ(c.le(20017).mid(8, 6), "000002");

    c.grava(1003, 0, "2051");
    ASSERT_EQ(AutorizaTransacao(&g_trn, nullptr, 0), 0);
    EXPECT_EQ(c.le(1009), "51");
    EXPECT_TRUE(c.le(20017).startsWith("51"));

    c.grava(1003, 0, "1099");
    EXPECT_NE(AutorizaTransacao(&g_trn, nullptr, 0), 0);
    for (uint16_t f : {1009, 1027, 20013, 20017}) EXPECT_TRUE(c.le(f).isEmpty()) << f;
}

TEST_F(AdquirenteTest, QueuedRepliesComeFirstWithTheirServices) {
    auto& c = estado().campos;
    c.grava(1003, 0, "1099"); // would stay silent by the built-in rules
    c.grava(20013, 0, "stale");
    estado().respostasAdquirente = {
        QJsonObject{{"fields", QJsonObject{{"1009", "0"}, {"1027", "APROVADA"}}},
                    {"responseServices", QJsonArray{QJsonObject{{"letter", "Q"}, {"text", "039000000001000"}},
                                                    QJsonObject{{"letter", "M"}, {"text", "Texto M"}}}}}};
    ASSERT_EQ(AutorizaTransacao(&g_trn, nullptr, 0), 0);
    EXPECT_EQ(c.le(1009), "0");
    EXPECT_FALSE(c.existe(20013)) << "a reply replaces the previous reply's fields";
    char buf[16];
    int n = 0;
    ASSERT_TRUE(ProcuraServico(0, 20026, 'Q', "039", buf, 15, &n));
    EXPECT_EQ(QByteArray(buf, n), "039000000001000");
    EXPECT_FALSE(ProcuraServico(0, 20026, 'Q', "096", buf, 15, &n));
    EXPECT_EQ(TrataRespostaServicoQ096(2), 1);
    char m[8] = "Ab:";
    EXPECT_EQ(TrataServicoM(m, 0, sizeof m), 4);
    EXPECT_STREQ(m, "Ab:Text");
}

TEST_F(AdquirenteTest, ServiceRecordsAreReadWithinBounds) {
    auto& c = estado().campos;
    c.grava(20027, 0, QByteArray("R00210Q003096") + "X999abc"); // the last one lies about its length
    EXPECT_TRUE(hostsim::LocalizaServico(c.le(20027), 'Q', "096").has_value());
    EXPECT_FALSE(hostsim::LocalizaServico(c.le(20027), 'X', "").has_value());
    EXPECT_TRUE(ProcuraRemoveServico(20027, 'R', "10"));
    EXPECT_EQ(c.le(20027), QByteArray("Q003096X999abc"));
    EXPECT_FALSE(ProcuraRemoveServico(20027, 'R', "10"));
}

TEST_F(AdquirenteTest, TheModulesMenuQueryEncodesAsDocumented) {
    estado().campos.grava(10171, 0, "1");
    estado().campos.grava(10158, 0, "49");
    const QByteArray b = hostsim::CodificaRequisicao(hostsim::MontaRequisicao(TrnConsultaMenuOutros, estado().campos));
    EXPECT_EQ(b, "TLQ1 240 0 5\n"
                 "0.0 0 0 0:4:0125\n"
                 "10171.0 0 0 0:1:1\n"
                 "10158.0 0 0 0:2:49\n"
                 "0.0 0 0 0:0:\n"
                 "0.0 0 0 0:0:\n");
}
