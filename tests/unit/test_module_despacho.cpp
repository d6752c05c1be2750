#include "Camposkora.h"
#include "Despachokora.h"
#include "Koramain.h"
#include "Capturaautokora.h"
#include "Contextokora.h"
#include "Constanteskora.h"
#include "Servicoskora.h"
#include "Servicoskora.h"
#include "estado.h"
#include "platform.h"
#include "test_module_hostfalso.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace {

QByteArray U16(int v) { return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF); }
void Grava(uint16_t campo, const QByteArray& v) { hostsim::estado().campos.grava(campo, 0, v); }
QByteArray Le(uint16_t campo, uint16_t indice = 0) { return hostsim::estado().campos.le(campo, indice); }
bool Existe(uint16_t campo) { return hostsim::estado().campos.existe(campo, 0); }

// The product the host selected: a one-record W table and field 10193.
void Seleciona(const char* tipo) {
    QByteArray p(TAM_PRODUTO, '0');
    p.replace(OffProduto::TIPO, 2, tipo);
    p.replace(OffProduto::CODIGO, 4, "0042");
    const QByteArray w = "W" + ("HDR01" + U16(1) + p).leftJustified(TAM_SERVICO_W, '\0');
    Grava(CAMPO_QTD_SERVICOS_GUARDADOS, "0001");
    hostsim::estado().campos.grava(CAMPO_SERVICOS_GUARDADOS, 0, w);
    Grava(CAMPO_CODIGO_PRODUTO, "0042");
}

void MenuOutros(std::initializer_list<const char*> tipos) {
    QByteArray o = QByteArray("CABEC1") + "2026120601" + U16(int(tipos.size()));
    int n = 0;
    for (const char* t : tipos)
        o += QByteArray::number(1000 + n++) + t + QByteArray("PRODUTO").leftJustified(40, ' ') + '1';
    Grava(CAMPO_SERVICO_O, o);
}

QByteArray Bloco125(const char* fabricante, const char* versao) {
    QByteArray b(250, '\0');
    b.replace(0, 20, QByteArray(fabricante).leftJustified(20, ' '));
    b.replace(33, 6, versao);
    return b;
}

struct Caso {
    const char* nome;
    std::function<void()> prepara;
    std::function<void()> chama;
    const char* form;     // nullptr: no form
    QString erro;         // empty: no error report
    int arquivos;         // PontalGravaArquivo calls
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class Despacho : public ::testing::TestWithParam<Caso> {
protected:
    void SetUp() override {
        HostFalso::Inicia();
        Plataforma::DefineDiretorioHost(dir.path());
        Produto.limpa();
        DefineObservadorDespacho([this](const char* nome) {
            forms.push_back(nome);
            return true;
        });
    }
    void TearDown() override {
        DefineObservadorDespacho({});
        Plataforma::DefineDiretorioHost({});
        HostFalso::Encerra();
    }
    QTemporaryDir dir;
    std::vector<QString> forms;
};

TEST_P(Despacho, ChoosesFormOrRefusal) {
    const Caso& c = GetParam();
    if (c.prepara) c.prepara();
    c.chama();
    auto& h = HostFalso::estado();
    if (c.form) {
        ASSERT_EQ(forms.size(), 1u);
        EXPECT_EQ(forms[0], QString::fromLatin1(c.form));
    } else {
        EXPECT_TRUE(forms.empty()) << forms.front().toStdString();
    }
    if (c.erro.isEmpty()) {
        EXPECT_TRUE(h.erros.empty()) << h.erros.front().second.toStdString();
    } else {
        ASSERT_EQ(h.erros.size(), 1u);
        EXPECT_EQ(h.erros[0].first, 255);
        EXPECT_EQ(h.erros[0].second, c.erro);
    }
    EXPECT_EQ(h.arquivos, c.arquivos);
}

auto Venda(int modo = 0) { return [modo] { ExecutaVenda(7, modo); }; }
auto Adm(int funcao) { return [funcao] { ExecutaFuncaoADM(7, funcao); }; }
auto Pre() { return [] { ExecutaPreAutorizacao(7, 0); }; }
auto Generico(int funcao) { return [funcao] { ExecutaGenerico(7, funcao); }; }
auto Tipo(const char* t) { return [t] { Grava(CAMPO_TIPO_VENDA, t); }; }
template <class... F> std::function<void()> E(F... f) {
    return [=] { (f(), ...); };
}
auto Campo(uint16_t c, const char* v) { return [=] { Grava(c, v); }; }
auto Produto_(const char* tipo, std::initializer_list<std::pair<int, char>> flags = {}) {
    std::vector<std::pair<int, char>> f(flags);
    return [tipo, f] {
        Seleciona(tipo);
        auto& g = hostsim::estado().campos;
        QByteArray w = g.le(CAMPO_SERVICOS_GUARDADOS, 0);
        for (auto [off, ch] : f) w[1 + 7 + off] = ch;
        g.grava(CAMPO_SERVICOS_GUARDADOS, 0, w);
    };
}
auto Posicoes(std::set<int> p) { return [p] { HostFalso::estado().posicoesPdv = p; }; }
auto AutoCapturaPronta() {
    return [] {
        auto& h = HostFalso::estado();
        h.processaChip = true;
        h.bloco125 = Bloco125("OUTRO", "100A00");
    };
}
const QString M(int n) { return QStringLiteral("<msg %1>").arg(n); }

const std::pair<int, char> kTaxaServico{OffProduto::TAXA_SERVICO, '1'};
const std::pair<int, char> kTaxaEmbarque{OffProduto::TAXA_EMBARQUE, '1'};
const std::pair<int, char> kAVistaP{OffProduto::AVISTA, '1'};

INSTANTIATE_TEST_SUITE_P(
    Venda, Despacho,
    ::testing::Values(
        Caso{"QrCode", nullptr, Venda(82), "FrmVendaQRCode", {}, 0},
        Caso{"QrCodeFlowCompletes", [] { HostFalso::estado().servico5 = true; HostFalso::estado().perguntas = 1; },
             Venda(82), nullptr, {}, 1},
        Caso{"QrCodeFlowWithoutServiceIgnored", [] { HostFalso::estado().perguntas = 1; }, Venda(82),
             "FrmVendaQRCode", {}, 0},
        Caso{"KindEmpty", nullptr, Venda(), nullptr, M(327), 0},
        Caso{"KindOther", Tipo("2"), Venda(), nullptr, M(327), 0},
        Caso{"KindNotANumber", Tipo("D"), Venda(), nullptr, M(327), 0},
        Caso{"CreditAtSightFlags", E(Tipo("0"), Produto_("01", {kAVistaP})), Venda(), "FrmVis_Crd", {}, 0},
        Caso{"CreditPlanOneBeatsIssuer", E(Tipo("0"), Produto_("01"), Campo(CAMPO_QTD_PARCELAS, "1"),
                                           Campo(CAMPO_TIPO_FINANCIAMENTO, "1")),
             Venda(), "FrmVis_Crd", {}, 0},
        Caso{"CreditPlanZero", E(Tipo("0"), Produto_("01"), Campo(CAMPO_QTD_PARCELAS, "0")), Venda(),
             "FrmVis_Crd", {}, 0},
        Caso{"CreditMerchant", E(Tipo("0"), Produto_("01"), Campo(CAMPO_QTD_PARCELAS, "3"),
                                 Campo(CAMPO_TIPO_FINANCIAMENTO, "0")),
             Venda(), "FrmEst_CrdPar", {}, 0},
        Caso{"CreditIssuer", E(Tipo("0"), Produto_("01"), Campo(CAMPO_TIPO_FINANCIAMENTO, "1")), Venda(),
             "FrmCpr_AdmCrdPar", {}, 0},
        Caso{"CreditMenu", E(Tipo("0"), Produto_("01"), Campo(CAMPO_QTD_PARCELAS, "6")), Venda(), "FrmCred_Mnu",
             {}, 0},
        Caso{"CreditOfOtherProductSilent", E(Tipo("0"), Produto_("11", {kAVistaP})), Venda(), nullptr, {}, 0},
        Caso{"AutoWithoutChip", E(Tipo("1"), Produto_("32")), Venda(), "FrmAuto", {}, 0},
        Caso{"AutoBeatsFees", E(Tipo("1"), Produto_("32", {kTaxaServico})), Venda(), "FrmAuto", {}, 0},
        Caso{"AutoPinpadFailsFallsBack", E(Tipo("1"), Produto_("32"), AutoCapturaPronta(),
                                           [] { HostFalso::estado().retPinpad = 3; }),
             Venda(), "FrmAuto", {}, 0},
        Caso{"AutoCardRangeFails", E(Tipo("1"), Produto_("32"), AutoCapturaPronta(),
                                     [] { HostFalso::estado().binsOk = false; }),
             Venda(), nullptr, {}, 2},
        Caso{"AutoOtherAcquirer", E(Tipo("1"), Produto_("32"), AutoCapturaPronta(),
                                    [] { HostFalso::estado().autorizador = QStringLiteral("0999"); }),
             Venda(), nullptr, {}, 2},
        Caso{"AutoFlowCompletes", E(Tipo("1"), Produto_("32"), AutoCapturaPronta(),
                                    [] { HostFalso::estado().perguntas = 1; }),
             Venda(), nullptr, {}, 1},
        Caso{"AutoCaptured", E(Tipo("1"), Produto_("32"), AutoCapturaPronta()), Venda(), "FrmAuto", {}, 0},
        Caso{"ServiceFee", E(Tipo("1"), Produto_("04", {kTaxaServico, kAVistaP})), Venda(), "FrmColeta_Taxas", {},
             0},
        Caso{"BoardingFee", E(Tipo("1"), Produto_("02", {kTaxaEmbarque})), Venda(), "FrmColeta_Taxas", {}, 0},
        Caso{"CdcConsultation", E(Tipo("1"), Produto_("04", {kAVistaP})), Venda(), "FrmCon_ParAdm", {}, 0},
        Caso{"DebitAtSight", E(Tipo("1"), Produto_("02", {kAVistaP})), Venda(), "FrmVis_Deb", {}, 0},
        Caso{"DebitPreDatedGoesToMenu",
             E(Tipo("1"), Produto_("02", {kAVistaP, {OffProduto::DEBITO_PREDATADO, '1'}})), Venda(), "FrmDeb_Mnu",
             {}, 0}),
    [](const auto& i) { return std::string(i.param.nome); });

INSTANTIATE_TEST_SUITE_P(
    FuncaoADM, Despacho,
    ::testing::Values(Caso{"Zero", Tipo("1"), Adm(0), nullptr, M(2643), 0},
                      Caso{"Reprint", nullptr, Adm(2), "FrmReimpressao_Trn", {}, 0},
                      Caso{"QrCancellation", Campo(CAMPO_TIPO_TRANSACAO_ESPECIAL, "4"), Adm(82),
                           "FrmCancVendaQRCode", {}, 0},
                      Caso{"QrCancellationOtherKind", Campo(CAMPO_TIPO_TRANSACAO_ESPECIAL, "3"), Adm(82), nullptr,
                           M(993), 0},
                      Caso{"QrCancellationKindNotANumber", Campo(CAMPO_TIPO_TRANSACAO_ESPECIAL, "x4"), Adm(82),
                           nullptr, M(993), 0},
                      Caso{"QrCancellationFlowCompletes", [] { HostFalso::estado().perguntas = 2; }, Adm(82),
                           nullptr, {}, 1},
                      Caso{"CancellationKindEmpty", nullptr, Adm(1), nullptr, M(327), 0},
                      Caso{"CancellationKindOther", Tipo("3"), Adm(1), nullptr, M(327), 0},
                      Caso{"CreditCancellation", Tipo("0"), Adm(1), "FrmCrd_Cnc", {}, 0},
                      Caso{"DebitCancellation", Tipo("1"), Adm(1), "FrmDeb_Cnc", {}, 0},
                      Caso{"CreditOtherFunction", Tipo("0"), Adm(5), nullptr, M(2643), 0},
                      Caso{"DebitOtherFunction", Tipo("1"), Adm(5), nullptr, M(2643), 0}),
    [](const auto& i) { return std::string(i.param.nome); });

INSTANTIATE_TEST_SUITE_P(
    PreAutorizacao, Despacho,
    ::testing::Values(
        Caso{"KindEmpty", nullptr, Pre(), nullptr, M(327), 0},
        Caso{"CaptureNotEnabled", Tipo("0"), Pre(), "FrmPre_Pre", {}, 0},
        Caso{"BothEnabled", E(Tipo("0"), Posicoes({1, 3})), Pre(), "FrmPre_Pre", {}, 0},
        Caso{"CaptureOfCredit", E(Tipo("0"), Posicoes({3}), Produto_("01", {kAVistaP})), Pre(), "FrmVis_Crd", {}, 0},
        Caso{"CaptureOfCreditMenu", E(Tipo("5"), Posicoes({3}), Produto_("01")), Pre(), "FrmCred_Mnu", {}, 0},
        Caso{"CaptureOfOtherProduct", E(Tipo("1"), Posicoes({3}), Produto_("07")), Pre(), nullptr,
             QStringLiteral("<msg 2679> (07)"), 0}),
    [](const auto& i) { return std::string(i.param.nome); });

INSTANTIATE_TEST_SUITE_P(
    Generico, Despacho,
    ::testing::Values(Caso{"BillPaymentWithoutProduct", [] { MenuOutros({"03"}); }, Generico(0), nullptr, M(2643), 0},
                      Caso{"BillPayment", [] { MenuOutros({"03", "15"}); }, Generico(0), "FrmPagtoConta_Trn", {}, 0},
                      Caso{"OtherMenuEmpty", nullptr, Generico(9), nullptr, M(2643), 1},
                      Caso{"OtherMenu", [] { MenuOutros({"03"}); }, Generico(9), "FrmOutros_Mnu", {}, 0},
                      Caso{"OtherFunction", [] { MenuOutros({"15"}); }, Generico(4), nullptr, {}, 0},
                      Caso{"Cheque", nullptr, [] { ExecutaConsultaCheque(7, 0); }, nullptr, M(130), 0}),
    [](const auto& i) { return std::string(i.param.nome); });

class DespachoHandle : public Despacho {};

TEST_F(DespachoHandle, RefusalsSeeTheHostsHandleExceptBeforeItIsSet) {
    Plataforma::DefineHandleAplicacao(55);
    ExecutaVenda(7, 0);                 // 327 with the host's handle
    ExecutaFuncaoADM(7, 0);             // 2643 before the handle is set
    ExecutaConsultaCheque(7, 0);        // handle never touched
    const auto& h = HostFalso::estado().handlesErro;
    ASSERT_EQ(h.size(), 3u);
    EXPECT_EQ(h[0], 7u);
    EXPECT_EQ(h[1], 55u);
    EXPECT_EQ(h[2], 55u);
    EXPECT_EQ(Plataforma::HandleAplicacao(), 55u);
}

TEST_F(DespachoHandle, AutomaticCaptureClearsProductAndDropsSecurityCodePrefix) {
    Grava(CAMPO_TIPO_VENDA, "1");
    Produto_("32")();
    AutoCapturaPronta()();
    Grava(CAMPO_CODIGO_SEGURANCA, " CSEG:123 ");
    ExecutaVenda(7, 0);
    ASSERT_EQ(forms.size(), 1u);
    EXPECT_FALSE(Existe(CAMPO_CODIGO_PRODUTO));
    EXPECT_EQ(Le(CAMPO_CODIGO_SEGURANCA), "123");
}

TEST_F(DespachoHandle, OtherAcquirerLeavesOutcomeWithoutMessageBox) {
    AutoCapturaPronta()();
    HostFalso::estado().autorizador = QStringLiteral("0001");
    EXPECT_FALSE(CapturaDadosCartaoAuto());
    EXPECT_EQ(Le(CAMPO_CODIGO_RESPOSTA), "FF");
    EXPECT_EQ(Le(CAMPO_TEXTO_RESULTADO), "<msg 317>");
    EXPECT_TRUE(HostFalso::estado().removeCartao.empty());

    HostFalso::estado().binsOk = false;
    EXPECT_FALSE(CapturaDadosCartaoAuto());
    ASSERT_EQ(HostFalso::estado().removeCartao.size(), 1u);
    Grava(CAMPO_TIPO_OPERACAO_CARTAO, "2"); // typed: no card to remove
    EXPECT_FALSE(CapturaDadosCartaoAuto());
    EXPECT_EQ(HostFalso::estado().removeCartao.size(), 1u);
}

TEST_F(DespachoHandle, FormNotBuiltSaysSoInATopMostBox) {
    DefineObservadorDespacho({});
    Plataforma::GaranteAplicacao();
    HostFalso::estado().mensagens[802] = QStringLiteral("Nao foi possivel criar %s");
    std::strcpy(TITULO_APLICACAO, "Tulen - v1.0.0.0");
    QString texto, titulo;
    bool topo = false;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    QTimer vigia;
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texto = box->text();
            titulo = box->windowTitle();
            icone = box->icon();
            topo = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            box->accept();
        }
    });
    vigia.start(20);
    Tipo("1")();
    ExecutaFuncaoADM(7, 1);
    EXPECT_EQ(texto, "Nao foi possivel criar FrmDeb_Cnc");
    EXPECT_EQ(titulo, "Tulen - v1.0.0.0");
    EXPECT_EQ(icone, QMessageBox::Warning);
    EXPECT_TRUE(topo);
    EXPECT_TRUE(HostFalso::estado().erros.empty());
    EXPECT_EQ(HostFalso::estado().arquivos, 0);
}

} // namespace
