// Currency-conversion offer: qualification, the query and its audit trail,
// the entry mode kept around the query, the outcome pre-set, the customer's
// answers and the second chance after a decline.
#include "Camposkora.h"
#include "bromo.h"
#include "estado.h"
#include "test_module_hostfalso.h"
#include "transaction/Conversaomoedakora.h"

#include <QString>
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace MoedaFalsa {
struct Estado {
    bool ativo = false;
    bool lidoChip = true;
    std::vector<int> q096;     // answers of TrataRespostaServicoQ096, popped in order
    std::vector<int> modosQ096;
    std::vector<int> clientes; // answers of ObtemConfirmacaoMoedaCliente
    int atualiza = 0;
    std::vector<std::pair<int, int>> atualizacoes;
};
Estado& estado() {
    static Estado e;
    return e;
}
int Proximo(std::vector<int>& fila, int padrao) {
    if (fila.empty()) return padrao;
    const int v = fila.front();
    fila.erase(fila.begin());
    return v;
}
}  // namespace MoedaFalsa

namespace {
template <class F> F* Seguinte(const char* nome) { return reinterpret_cast<F*>(dlsym(RTLD_NEXT, nome)); }
}  // namespace

int TrataRespostaServicoQ096(int modo) {
    auto& e = MoedaFalsa::estado();
    if (e.ativo) {
        e.modosQ096.push_back(modo);
        return MoedaFalsa::Proximo(e.q096, -1);
    }
    auto f = Seguinte<int(int)>("_Z24TrataRespostaServicoQ096i");
    return f ? f(modo) : -1;
}

int ObtemConfirmacaoMoedaCliente() {
    auto& e = MoedaFalsa::estado();
    if (e.ativo) return MoedaFalsa::Proximo(e.clientes, -1);
    auto f = Seguinte<int()>("_Z28ObtemConfirmacaoMoedaClientev");
    return f ? f() : -1;
}

int AtualizaDadosTrxMoedaSelecionada(int resposta, int modo) {
    auto& e = MoedaFalsa::estado();
    if (e.ativo) {
        e.atualizacoes.emplace_back(resposta, modo);
        return e.atualiza;
    }
    auto f = Seguinte<int(int, int)>("_Z32AtualizaDadosTrxMoedaSelecionadaii");
    return f ? f(resposta, modo) : -1;
}

bool VerificaSeCartaoLidoCHIP() {
    auto& e = MoedaFalsa::estado();
    if (e.ativo) return e.lidoChip;
    auto f = Seguinte<bool()>("_Z24VerificaSeCartaoLidoCHIPv");
    return f ? f() : false;
}

namespace {

using namespace Conversaomoedakora;

void Grava(uint16_t campo, const QByteArray& v) { hostsim::estado().campos.grava(campo, 0, v); }
QByteArray Le(uint16_t campo) { return hostsim::estado().campos.le(campo, 0); }

class Moeda : public ::testing::Test {
protected:
    void SetUp() override {
        HostFalso::Inicia();
        MoedaFalsa::estado() = {};
        MoedaFalsa::estado().ativo = true;
        Grava(CAMPO_TIPO_VENDA, "0");
        Grava(CAMPO_CODIGO_PRODUTO, "1");
        Grava(CAMPO_CONFIGURACAO_DCC, "1;0001");
        Grava(CAMPO_CODIGO_REQUISICAO, "42");
        form.gravaTrilhas = [this](int codigo) {
            codigosTrilhas.push_back(codigo);
            return statusTrilhas;
        };
        form.obtemDadosEmv = [this] {
            ++dadosEmv;
            return true;
        };
        form.fecha = [this](int r) { fechou.push_back(r); };
        form.executaConsulta = [this] { return ExecutaConsultaConversaoMoeda(form); };
        HostFalso::estado().aoEnviar = [this] {
            modoNaConsulta = Le(CAMPO_CODIGO_REQUISICAO);
            Grava(CAMPO_CABECALHO_RESPOSTA, respostaH);
        };
    }
    void TearDown() override {
        MoedaFalsa::estado() = {};
        HostFalso::Encerra();
    }
    bool TemAudit(const QString& trecho) const {
        for (const QString& l : HostFalso::estado().audit)
            if (l.contains(trecho)) return true;
        return false;
    }

    TFormConversao form;
    std::vector<int> codigosTrilhas;
    int statusTrilhas = 0;
    int dadosEmv = 0;
    std::vector<int> fechou;
    QByteArray modoNaConsulta;
    QByteArray respostaH = "00H";
};

TEST(MoedaConfiguracao, ListaDeProdutosETipo) {
    QByteArray tipo;
    EXPECT_EQ(AnalisaConfiguracao("1;0001", "0001"), TConfiguracao::Habilitado);
    EXPECT_EQ(AnalisaConfiguracao("1;00010002", "0002"), TConfiguracao::Habilitado);
    EXPECT_EQ(AnalisaConfiguracao("1;00010002", "0003"), TConfiguracao::ProdutoNaoHabilitado);
    // An incomplete tail code is not a code.
    EXPECT_EQ(AnalisaConfiguracao("1;000100", "0001"), TConfiguracao::Habilitado);
    EXPECT_EQ(AnalisaConfiguracao("1;000100", "00"), TConfiguracao::ProdutoNaoHabilitado);
    EXPECT_EQ(AnalisaConfiguracao("1;000100", "0100"), TConfiguracao::ProdutoNaoHabilitado);
    // Codes are read at fixed steps of four, never across two codes.
    EXPECT_EQ(AnalisaConfiguracao("1;00010002", "0100"), TConfiguracao::ProdutoNaoHabilitado);
    EXPECT_EQ(AnalisaConfiguracao("2;0001", "0001", &tipo), TConfiguracao::TipoInvalido);
    EXPECT_EQ(tipo, "2");
    EXPECT_EQ(AnalisaConfiguracao("x;0001", "0001"), TConfiguracao::TipoInvalido);
    EXPECT_EQ(AnalisaConfiguracao("10001", "0001"), TConfiguracao::SemSeparador);
    EXPECT_EQ(AnalisaConfiguracao("1;", "0001"), TConfiguracao::ProdutoNaoHabilitado);
}

TEST_F(Moeda, SemQualificacaoNaoHaConsulta) {
    for (auto [tipoVenda, chip] : {std::pair<const char*, bool>{"1", true}, {"0", false}, {"", true}}) {
        HostFalso::estado().audit.clear();
        Grava(CAMPO_TIPO_VENDA, tipoVenda);
        Grava(CAMPO_DCC_053, "053:x");
        MoedaFalsa::estado().lidoChip = chip;
        EXPECT_TRUE(VerificaConverteMoeda(form));
        EXPECT_EQ(HostFalso::estado().autorizacoes, 0);
        EXPECT_FALSE(hostsim::estado().campos.existe(CAMPO_DCC_053));
        ASSERT_EQ(HostFalso::estado().audit.size(), 2) << tipoVenda;
        EXPECT_EQ(HostFalso::estado().audit[0], QStringLiteral("Modulo Kora41.bpl : Entrou VerificaConverteMoeda"));
        const int tv = QByteArray(tipoVenda).isEmpty() ? -1 : QByteArray(tipoVenda).toInt();
        EXPECT_EQ(HostFalso::estado().audit[1],
                  QStringLiteral("Modulo Kora41.bpl : Saiu VerificaConverteMoeda - Tipo Venda: [%1] - Cartao EMV?: [%2]")
                      .arg(tv)
                      .arg(chip ? "Sim" : "Nao"));
    }
    EXPECT_EQ(Le(CAMPO_CODIGO_RESPOSTA), "");
}

TEST_F(Moeda, OfertaAceitaRestauraModoEPreDefineResultado) {
    MoedaFalsa::estado().q096 = {0};
    MoedaFalsa::estado().clientes = {0};
    EXPECT_TRUE(VerificaConverteMoeda(form));
    EXPECT_EQ(HostFalso::estado().autorizacoes, 1);
    EXPECT_EQ(modoNaConsulta, "52");
    EXPECT_EQ(Le(CAMPO_CODIGO_REQUISICAO), "42");
    EXPECT_EQ(codigosTrilhas, std::vector<int>{240});
    EXPECT_EQ(dadosEmv, 1);
    EXPECT_EQ(MoedaFalsa::estado().modosQ096, std::vector<int>{2});
    ASSERT_EQ(MoedaFalsa::estado().atualizacoes.size(), 1u);
    EXPECT_EQ(MoedaFalsa::estado().atualizacoes[0], std::make_pair(0, 1));
    EXPECT_TRUE(fechou.empty());
    EXPECT_EQ(Le(CAMPO_CODIGO_RESPOSTA), "FF");
    EXPECT_EQ(Le(CAMPO_TEXTO_RESULTADO), "<msg 801>");
    EXPECT_TRUE(TemAudit(QStringLiteral("Modulo Kora41.bpl : Saiu ExecutaConsultaConversaoMoeda - Retorno 0")));
}

TEST_F(Moeda, RespostasDoCliente) {
    // Refusing the own currency (9) is an answer too: the sale goes on in reais.
    MoedaFalsa::estado().q096 = {0};
    MoedaFalsa::estado().clientes = {9};
    EXPECT_TRUE(VerificaConverteMoeda(form));
    EXPECT_EQ(MoedaFalsa::estado().atualizacoes.at(0), std::make_pair(9, 1));

    // The package cannot apply the choice: the step stops, the form stays.
    MoedaFalsa::estado().q096 = {0};
    MoedaFalsa::estado().clientes = {0};
    MoedaFalsa::estado().atualiza = 3;
    EXPECT_FALSE(VerificaConverteMoeda(form));
    EXPECT_TRUE(fechou.empty());

    // Abandoned: the form ends with 1 and the pre-set outcome stays.
    MoedaFalsa::estado().q096 = {0};
    MoedaFalsa::estado().clientes = {5};
    MoedaFalsa::estado().atualizacoes.clear();
    EXPECT_FALSE(VerificaConverteMoeda(form));
    EXPECT_EQ(fechou, std::vector<int>{1});
    EXPECT_TRUE(MoedaFalsa::estado().atualizacoes.empty());
    EXPECT_EQ(Le(CAMPO_CODIGO_RESPOSTA), "FF");
}

TEST_F(Moeda, ConfiguracaoRecusadaSoNoAudit) {
    struct Caso {
        QByteArray config;
        QString linha;
    } casos[] = {
        {"10001", QStringLiteral("Serv. Q096 Inconsistente. Nao encontrou separador <;>: [10001]")},
        {"2;0001", QStringLiteral("Serv. Q096 Inconsistente. Tipo recebido: [2], Esperado: [1]")},
        {"1;0002", QStringLiteral("Produto Não habilitado para Conversao de Moeda: [0001]")},
    };
    for (const Caso& c : casos) {
        HostFalso::estado().audit.clear();
        Grava(CAMPO_CODIGO_RESPOSTA, "00");
        Grava(CAMPO_CONFIGURACAO_DCC, c.config);
        EXPECT_TRUE(VerificaConverteMoeda(form));
        EXPECT_EQ(HostFalso::estado().autorizacoes, 0);
        EXPECT_TRUE(TemAudit(QStringLiteral("Modulo Kora41.bpl : ExecutaConsultaConversaoMoeda - ") + c.linha))
            << HostFalso::estado().audit.join('\n').toStdString();
        EXPECT_TRUE(TemAudit(QStringLiteral("Saiu ExecutaConsultaConversaoMoeda - Retorno -1")));
        EXPECT_EQ(Le(CAMPO_CODIGO_RESPOSTA), "FF");
        EXPECT_EQ(Le(CAMPO_CODIGO_REQUISICAO), "42");
    }
    // No setting at all: no query and no reason in the trail.
    HostFalso::estado().audit.clear();
    hostsim::estado().campos.limpa(CAMPO_CONFIGURACAO_DCC);
    EXPECT_EQ(ExecutaConsultaConversaoMoeda(form), -1);
    EXPECT_EQ(HostFalso::estado().audit.size(), 2);
}

TEST_F(Moeda, ConsultaSemRespostaUtil) {
    respostaH = QByteArray("05ABC");
    EXPECT_EQ(ExecutaConsultaConversaoMoeda(form), -1);
    EXPECT_TRUE(TemAudit(QStringLiteral("Erro na consulta. Tam Servico H: [5]. CodResp: [05ABC]")));
    EXPECT_TRUE(MoedaFalsa::estado().modosQ096.empty());

    // No offer in a good reply: the package's answer is the result.
    respostaH = "00";
    MoedaFalsa::estado().q096 = {4};
    MoedaFalsa::estado().clientes = {0};
    EXPECT_TRUE(VerificaConverteMoeda(form));
    EXPECT_TRUE(MoedaFalsa::estado().atualizacoes.empty());
    EXPECT_EQ(MoedaFalsa::estado().clientes.size(), 1u);

    // The card-data record could not be written: nothing is sent.
    statusTrilhas = 7;
    const int antes = HostFalso::estado().autorizacoes;
    EXPECT_EQ(ExecutaConsultaConversaoMoeda(form), -1);
    EXPECT_EQ(HostFalso::estado().autorizacoes, antes);
    EXPECT_EQ(Le(CAMPO_TEXTO_RESULTADO), "<msg 801>");
}

}  // namespace
