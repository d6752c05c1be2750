#include "Camposkora.h"
#include "Servicoc1kora.h"
#include "test_module_host.h"

#include <gtest/gtest.h>

namespace {

QByteArray Entrada(const char* flags, const char* tipo, const char* codigo, const char* descricao) {
    return QByteArray(flags) + tipo + codigo + QByteArray(descricao).leftJustified(40, '\0');
}

QByteArray Registro(const std::vector<QByteArray>& entradas, int contagem = -1) {
    const int n = contagem < 0 ? int(entradas.size()) : contagem;
    QByteArray r = QByteArray(1, char(n & 0xFF)) + char((n >> 8) & 0xFF);
    for (const auto& e : entradas) r += e;
    return r;
}

TServicoC1 Decodifica(const QByteArray& b) {
    TServicoC1 c1;
    DecodificaServicoC1(reinterpret_cast<const unsigned char*>(b.constData()), size_t(b.size()), c1);
    return c1;
}

class ServicoC1Host : public TesteHost::HostTest {
protected:
    void Guarda(const QByteArray& contagem, const std::vector<QByteArray>& servicos) {
        TesteHost::Grava(CAMPO_QTD_SERVICOS_GUARDADOS, contagem);
        for (size_t i = 0; i < servicos.size(); ++i)
            TesteHost::Grava(CAMPO_SERVICOS_GUARDADOS, servicos[i], uint16_t(i));
    }
};

} // namespace

TEST(ServicoC1, EntriesReadByTheirFieldsAndDescriptionCutAtZero) {
    const TServicoC1 c1 =
        Decodifica(Registro({Entrada("100", "01", "0001", "CREDITO"), Entrada("011", "03", "0002", "DEBITO A VISTA")}));
    ASSERT_EQ(c1.quantidade(), 2);
    const TEntradaC1 e = c1.entrada(1);
    EXPECT_EQ(e.pedeAutorizacao, '0');
    EXPECT_EQ(e.pedeEmbosso, '1');
    EXPECT_EQ(e.pedeCSeg, '1');
    EXPECT_EQ(e.tipoNumero(), 3);
    EXPECT_EQ(e.codigo, "0002");
    EXPECT_EQ(e.descricao, "DEBITO A VISTA");
    EXPECT_EQ(c1.procuraCodigo("0002"), 1);
    EXPECT_EQ(c1.procuraCodigo("9999"), -1);
}

TEST(ServicoC1, LyingCountIsCutToTheRecordAndShortServiceReadsAsZeros) {
    const TServicoC1 mente = Decodifica(Registro({Entrada("100", "01", "0001", "A")}, 60000));
    EXPECT_EQ(mente.quantidadeGravada(), 60000);
    EXPECT_EQ(mente.quantidade(), MAX_ENTRADAS_C1);
    EXPECT_TRUE(mente.entrada(1).vazia());
    EXPECT_EQ(mente.entrada(1).tipoNumero(), 0);
    EXPECT_TRUE(mente.entrada(MAX_ENTRADAS_C1).codigo.isEmpty());

    // Cut inside entry 0's product code.
    const TServicoC1 curto = Decodifica(Registro({Entrada("100", "05", "0007", "PRE")}).left(9));
    EXPECT_EQ(curto.entrada(0).tipoNumero(), 5);
    EXPECT_EQ(curto.entrada(0).codigo, QByteArray("00\0\0", 4));
    EXPECT_TRUE(curto.entrada(0).descricao.isEmpty());

    EXPECT_EQ(Decodifica({}).quantidade(), 0);
    const QByteArray ruim = Registro({Entrada("100", "x1", "0001", "A")});
    EXPECT_EQ(Decodifica(ruim).entrada(0).tipoNumero(), 0);
}

TEST_F(ServicoC1Host, FirstC1ServiceAmongTheStoredOnesIsFound) {
    Guarda("0003", {"C2" + Registro({Entrada("100", "01", "0009", "OUTRO")}),
                    "C1" + Registro({Entrada("011", "03", "0002", "DEBITO")}),
                    "C1" + Registro({Entrada("100", "01", "0001", "SEGUNDO")})});
    TServicoC1 c1;
    ASSERT_TRUE(TrataServicoC1(c1));
    EXPECT_EQ(c1.entrada(0).codigo, "0002");
}

TEST_F(ServicoC1Host, NoServiceOrABadCountLeavesTheListEmpty) {
    TServicoC1 c1;
    c1.dados[0] = 5;
    Guarda("ab", {"C1" + Registro({Entrada("100", "01", "0001", "A")})});
    EXPECT_FALSE(TrataServicoC1(c1));
    EXPECT_EQ(c1.quantidade(), 0);
    Guarda("0001", {"W1" + Registro({Entrada("100", "01", "0001", "A")})});
    EXPECT_FALSE(TrataServicoC1(c1));
}
