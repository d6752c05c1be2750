// Which entry form or refusal a request reaches where no scenario goes: the
// order of the checks, the refusals and the automatic-capture fallbacks.
#include "Camposkora.h"
#include "Capturaautokora.h"
#include "Despachokora.h"
#include "Koramain.h"
#include "test_module_host.h"

#include <functional>

namespace {

using namespace TesteHost;

QByteArray U16(int v) { return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF); }

// The product the host selected, with flags set to '1' at these offsets.
std::function<void()> P(const char* tipo, std::initializer_list<int> flags = {}) {
    std::vector<int> f(flags);
    return [tipo, f] {
        QByteArray p(TAM_PRODUTO, '0');
        p.replace(OffProduto::TIPO, 2, tipo);
        p.replace(OffProduto::CODIGO, 4, "0042");
        for (int off : f) p[off] = '1';
        Grava(CAMPO_QTD_SERVICOS_GUARDADOS, "0001");
        Grava(CAMPO_SERVICOS_GUARDADOS, "W" + ("HDR01" + U16(1) + p).leftJustified(TAM_SERVICO_W, '\0'));
        Grava(CAMPO_CODIGO_PRODUTO, "0042");
    };
}
std::function<void()> MenuOutros(std::initializer_list<const char*> tipos) {
    std::vector<const char*> t(tipos);
    return [t] {
        QByteArray o = QByteArray("CABEC1") + "2026120601" + U16(int(t.size()));
        for (const char* k : t) o += QByteArray("1000") + k + QByteArray("PRODUTO").leftJustified(40, ' ') + '1';
        Grava(CAMPO_SERVICO_O, o);
    };
}
std::function<void()> C(uint16_t campo, const char* v) {
    return [=] { Grava(campo, v); };
}
std::function<void()> T(const char* tipo) { return C(CAMPO_TIPO_VENDA, tipo); }
std::function<void()> Perguntas(int r) {
    return [r] { Roteiro("RealizaPerguntasCamposLPergEx", {r, r}); };
}
std::function<void()> Posicoes(std::set<int> p) {
    return [p] { Host().posicoesPdv = p; };
}
// A chip pinpad of another maker at a version without extended data.
std::function<void()> AutoPronta(int pinpad = 0, int perguntas = 0) {
    return [=] {
        Host().cartaoProcessaChip = true;
        QByteArray b(250, '\0');
        b.replace(0, 5, "OUTRO");
        b.replace(33, 6, "100A00");
        Roteiro("MontaDadosPinpad", {QJsonObject{{"result", pinpad}, {"blockHex", QString(b.toHex())}}});
        Roteiro("FazConsultaBins", {true});
        Roteiro("RealizaPerguntasCamposLPergEx", {perguntas});
    };
}
template <class... F> std::function<void()> E(F... f) {
    return [=] { (f(), ...); };
}

std::function<void()> V(int modo) {
    return [modo] { ExecutaVenda(7, modo); };
}
std::function<void()> Adm(int f) {
    return [f] { ExecutaFuncaoADM(7, f); };
}
std::function<void()> Pre() {
    return [] { ExecutaPreAutorizacao(7, 0); };
}
std::function<void()> Gen(int f) {
    return [f] { ExecutaGenerico(7, f); };
}

struct Caso {
    const char* nome;
    std::function<void()> prepara, chama;
    const char* form; // nullptr: none
    int erro = 0;     // message of the refusal; 0: none
    int arquivos = 0;
};
void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class Despacho : public HostTest, public ::testing::WithParamInterface<Caso> {
protected:
    void SetUp() override {
        HostTest::SetUp();
        DefineObservadorDespacho([this](const char* nome) {
            forms << nome;
            return true;
        });
    }
    void TearDown() override {
        DefineObservadorDespacho({});
        HostTest::TearDown();
    }
    QStringList forms;
};

TEST_P(Despacho, ChoosesFormOrRefusal) {
    const Caso& c = GetParam();
    c.prepara();
    c.chama();
    EXPECT_EQ(forms, c.form ? QStringList{c.form} : QStringList{});
    if (c.erro)
        EXPECT_EQ(Erros(), (std::vector<std::pair<int, QString>>{{255, M(c.erro)}}));
    else
        EXPECT_TRUE(Erros().empty());
    EXPECT_EQ(Arquivos(), c.arquivos);
}

const auto AVISTA = OffProduto::AVISTA, TAXA = OffProduto::TAXA_SERVICO;
const auto PARCELAS = CAMPO_QTD_PARCELAS, FINANCIAMENTO = CAMPO_TIPO_FINANCIAMENTO;
const auto ESPECIAL = CAMPO_TIPO_TRANSACAO_ESPECIAL;

INSTANTIATE_TEST_SUITE_P(
    Entradas, Despacho,
    ::testing::Values(Caso{"QrCodeQuestionsNeedTheService", Perguntas(1), V(82), "FrmVendaQRCode"},
                      Caso{"CreditPlanOneBeatsIssuer", E(T("0"), P("01"), C(PARCELAS, "1"), C(FINANCIAMENTO, "1")),
                           V(0), "FrmVis_Crd"},
                      Caso{"CreditPlanZero", E(T("0"), P("01"), C(PARCELAS, "0")), V(0), "FrmVis_Crd"},
                      Caso{"AutoWithoutChipBeatsFees", E(T("1"), P("32", {TAXA})), V(0), "FrmAuto"},
                      Caso{"AutoPinpadFailsFallsBack", E(T("1"), P("32"), AutoPronta(3)), V(0), "FrmAuto"},
                      Caso{"AutoFlowCompletes", E(T("1"), P("32"), AutoPronta(0, 1)), V(0), nullptr, 0, 1},
                      Caso{"ServiceFee", E(T("1"), P("04", {TAXA, AVISTA})), V(0), "FrmColeta_Taxas"},
                      Caso{"CdcConsultation", E(T("1"), P("04", {AVISTA})), V(0), "FrmCon_ParAdm"},
                      Caso{"QrCancellationKindNotANumber", E(C(ESPECIAL, "x4"), Perguntas(0)), Adm(82), nullptr, 993},
                      Caso{"CancellationKindOther", T("3"), Adm(1), nullptr, 327},
                      Caso{"PreCaptureNotEnabled", T("0"), Pre(), "FrmPre_Pre"},
                      Caso{"PreCaptureOfCreditMenu", E(T("5"), Posicoes({3}), P("01")), Pre(), "FrmCred_Mnu"},
                      Caso{"OtherFunction", MenuOutros({"15"}), Gen(4), nullptr}),
    [](const auto& i) { return std::string(i.param.nome); });

using Captura = Despacho;

TEST_F(Captura, AutomaticCaptureClearsProductAndDropsSecurityCodePrefix) {
    E(T("1"), P("32"), AutoPronta(), C(CAMPO_CODIGO_SEGURANCA, " CSEG:123 "))();
    ExecutaVenda(7, 0);
    EXPECT_EQ(forms, QStringList{"FrmAuto"});
    EXPECT_FALSE(Existe(CAMPO_CODIGO_PRODUTO));
    EXPECT_EQ(Le(CAMPO_CODIGO_SEGURANCA), "123");
}

TEST_F(Captura, CardRangeRefusalRemovesOnlyAReadCard) {
    Roteiro("FazConsultaBins", {false, false});
    EXPECT_FALSE(CapturaDadosCartaoAuto());
    EXPECT_EQ(Pinpad("RemoveCartao"), QStringList{M(1092)});
    Grava(CAMPO_TIPO_OPERACAO_CARTAO, "2"); // typed: no card to remove
    EXPECT_FALSE(CapturaDadosCartaoAuto());
    EXPECT_EQ(Pinpad("RemoveCartao").size(), 1);
    EXPECT_EQ(Arquivos(), 2);
}

TEST_F(Captura, RequestRestoresTheHostsHandle) {
    Plataforma::DefineHandleAplicacao(55);
    ExecutaVenda(7, 0);
    ExecutaConsultaCheque(7, 0);
    EXPECT_EQ(Plataforma::HandleAplicacao(), 55u);
}

} // namespace
