// Currency-conversion offer: the setting's decoder, qualification, the query's
// audit trail and its failures. Accepted, refused and abandoned offers are scenarios.
#include "Camposkora.h"
#include "test_module_host.h"
#include "transaction/Conversaomoedakora.h"

namespace {

using namespace TesteHost;
using namespace Conversaomoedakora;

class Moeda : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        Host().cartaoLidoChip = true;
        Grava(CAMPO_TIPO_VENDA, "0");
        Grava(CAMPO_CODIGO_PRODUTO, "1");
        Grava(CAMPO_CONFIGURACAO_DCC, "1;0001");
        Grava(CAMPO_CODIGO_REQUISICAO, "42");
        form.gravaTrilhas = [this](int codigo) {
            codigosTrilhas.push_back(codigo);
            return statusTrilhas;
        };
        form.obtemDadosEmv = [this] { return ++dadosEmv > 0; };
        form.fecha = [this](int r) { fechou.push_back(r); };
        form.executaConsulta = [this] { return ExecutaConsultaConversaoMoeda(form); };
    }
    // The customer's offer: the package's answers to the offer, the customer and the update.
    void Oferta(int q096, int cliente, int atualiza = 0) {
        Resposta({{CAMPO_CABECALHO_RESPOSTA, "00H"}});
        Roteiro("TrataRespostaServicoQ096", {q096});
        Roteiro("ObtemConfirmacaoMoedaCliente", {cliente});
        Roteiro("AtualizaDadosTrxMoedaSelecionada", {atualiza});
    }
    bool TemAudit(const QString& trecho) const {
        for (const QString& l : Audit())
            if (l.contains(trecho)) return true;
        return false;
    }

    TFormConversao form;
    std::vector<int> codigosTrilhas;
    int statusTrilhas = 0;
    int dadosEmv = 0;
    std::vector<int> fechou;
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
        Host().audit = {};
        Grava(CAMPO_TIPO_VENDA, tipoVenda);
        Grava(CAMPO_DCC_053, "053:x");
        Host().cartaoLidoChip = chip;
        EXPECT_TRUE(VerificaConverteMoeda(form));
        EXPECT_EQ(Requisicoes(), 0);
        EXPECT_FALSE(Existe(CAMPO_DCC_053));
        const int tv = QByteArray(tipoVenda).isEmpty() ? -1 : QByteArray(tipoVenda).toInt();
        EXPECT_EQ(Audit(), QStringList({"Modulo Kora41.bpl : Entrou VerificaConverteMoeda",
                                        QString("Modulo Kora41.bpl : Saiu VerificaConverteMoeda - Tipo Venda: [%1] - "
                                                "Cartao EMV?: [%2]")
                                            .arg(tv)
                                            .arg(chip ? "Sim" : "Nao")}));
    }
    EXPECT_EQ(Le(CAMPO_CODIGO_RESPOSTA), "");
}

TEST_F(Moeda, PacoteQueNaoAplicaAEscolhaParaOPasso) {
    Oferta(0, 0, 3);
    EXPECT_FALSE(VerificaConverteMoeda(form));
    EXPECT_TRUE(fechou.empty());
    EXPECT_EQ(codigosTrilhas, std::vector<int>{240});
    EXPECT_EQ(dadosEmv, 1);
    EXPECT_EQ(Chamadas("TrataRespostaServicoQ096"), std::vector<QJsonArray>{{2}});
    EXPECT_EQ(Chamadas("AtualizaDadosTrxMoedaSelecionada"), (std::vector<QJsonArray>{{0, 1}}));
}

TEST_F(Moeda, ConfiguracaoRecusadaSoNoAudit) {
    const std::pair<QByteArray, QString> casos[] = {
        {"10001", "Serv. Q096 Inconsistente. Nao encontrou separador <;>: [10001]"},
        {"2;0001", "Serv. Q096 Inconsistente. Tipo recebido: [2], Esperado: [1]"},
        {"1;0002", "Produto Não habilitado para Conversao de Moeda: [0001]"},
    };
    for (const auto& [config, linha] : casos) {
        Host().audit = {};
        Grava(CAMPO_CODIGO_RESPOSTA, "00");
        Grava(CAMPO_CONFIGURACAO_DCC, config);
        EXPECT_TRUE(VerificaConverteMoeda(form));
        EXPECT_EQ(Requisicoes(), 0);
        EXPECT_TRUE(TemAudit("Modulo Kora41.bpl : ExecutaConsultaConversaoMoeda - " + linha)) << linha.toStdString();
        EXPECT_TRUE(TemAudit("Saiu ExecutaConsultaConversaoMoeda - Retorno -1"));
        EXPECT_EQ(Le(CAMPO_CODIGO_RESPOSTA), "FF");
        EXPECT_EQ(Le(CAMPO_CODIGO_REQUISICAO), "42");
    }
    // No setting at all: no query and no reason in the trail.
    Host().audit = {};
    Host().campos.limpa(CAMPO_CONFIGURACAO_DCC);
    EXPECT_EQ(ExecutaConsultaConversaoMoeda(form), -1);
    EXPECT_EQ(Audit().size(), 2);
}

TEST_F(Moeda, ConsultaSemRespostaUtil) {
    Resposta({{CAMPO_CABECALHO_RESPOSTA, "05ABC"}});
    EXPECT_EQ(ExecutaConsultaConversaoMoeda(form), -1);
    EXPECT_TRUE(TemAudit("Erro na consulta. Tam Servico H: [5]. CodResp: [05ABC]"));
    EXPECT_TRUE(Chamadas("TrataRespostaServicoQ096").empty());

    // No offer in a good reply: the package's answer is the result.
    Oferta(4, 0);
    EXPECT_TRUE(VerificaConverteMoeda(form));
    EXPECT_TRUE(Chamadas("AtualizaDadosTrxMoedaSelecionada").empty());
    EXPECT_EQ(Host().roteiro.naoUsadas().value("ObtemConfirmacaoMoedaCliente").toArray().size(), 1);

    // The card-data record could not be written: nothing is sent.
    statusTrilhas = 7;
    const int antes = Requisicoes();
    EXPECT_EQ(ExecutaConsultaConversaoMoeda(form), -1);
    EXPECT_EQ(Requisicoes(), antes);
    EXPECT_EQ(Le(CAMPO_TEXTO_RESULTADO), M(801));
}

} // namespace
