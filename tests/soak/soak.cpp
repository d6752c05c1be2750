// tulen_soak: thousands of requests of different kinds in one host process.
// Fails when the resident size after the last request has grown more than
// the allowance over the size after the warm-up, or when a request that
// must end with the host storing the transaction did not store it.
//   tulen_soak [--sales N] [--warmup N] [--hostdir DIR] [--secrets FILE] [--max-growth-kb N]
// --secrets writes the card data the requests used, for tulen_carddata.
#include "Camposkora.h"
#include "Koramain.h"
#include "Capturaautokora.h"
#include "Contextokora.h"
#include "Constanteskora.h"
#include "Servicoskora.h"
#include "Servicoskora.h"
#include "Soak.h"
#include "bromo.h"
#include "ciraz.h"
#include "lentar.h"
#include "pontal.h"
#include "estado.h"
#include "platform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <dlfcn.h>

// ---- Host operations the soak watches or answers --------------------------------
// Defined in the executable, they take precedence over the simulated host's;
// the watched ones forward to it so the host still does its part.
namespace {
Soak::Contadores g_contadores;
QString g_autorizador = QStringLiteral("0125");
bool g_binsOk = true;
template <class F> F* Proximo(const char* nome) { return reinterpret_cast<F*>(dlsym(RTLD_NEXT, nome)); }
} // namespace

extern "C" int16_t PontalGravaArquivo(void) {
    ++g_contadores.arquivos;
    auto f = Proximo<int16_t()>("PontalGravaArquivo");
    return f ? f() : 0;
}

void EnviaArquivoErroPDV(int codigo, const QString& texto) {
    ++g_contadores.erros;
    if (auto f = Proximo<void(int, const QString&)>("_Z19EnviaArquivoErroPDViRK7QString")) f(codigo, texto);
}

bool FazConsultaBins(int, int, int, int, int, QString& autorizador, QString& segundo, int, QLabel*) {
    autorizador = g_autorizador;
    segundo.clear();
    return g_binsOk;
}

int RemoveCartao(const QString&) { return 0; }

namespace {

// A fresh host for the next request: fields, scripts and the journal, which
// would otherwise grow with every request and hide the module's own growth.
void HostNovo() {
    auto& e = hostsim::estado();
    e.campos.limpaTudo();
    e.roteiro.limpa();
    e.respostasAdquirente.clear();
    e.arquivos = {};
    e.requisicoes = {};
    e.erros = {};
    e.audit = {};
    e.pinpad = {};
    e.chamadas = {};
    e.mensagensLidas.clear();
}

void Grava(uint16_t campo, const QByteArray& v, uint16_t indice = 0) {
    hostsim::estado().campos.grava(campo, indice, v);
}

QByteArray U16(int v) { return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF); }

QByteArray Produto(const char* tipo, const char* codigo) {
    QByteArray p(TAM_PRODUTO, '0');
    p.replace(OffProduto::TIPO, 2, tipo);
    p.replace(OffProduto::CODIGO, 4, codigo);
    p[OffProduto::AVISTA] = '1';
    return p;
}

// The reply services of the last exchange: a product table and a menu.
void Servicos() {
    const QByteArray w =
        "W" + QByteArray("HDR01") + U16(3) + Produto("02", "0001") + Produto("01", "0002") + Produto("32", "0003");
    QByteArray o = "O" + QByteArray("CABEC12026120601") + U16(1) + "0100" + "15" +
                   QByteArray("PAGAMENTO DE CONTAS").leftJustified(40, ' ') + "1";
    Grava(CAMPO_QTD_SERVICOS_GUARDADOS, "0002");
    Grava(CAMPO_SERVICOS_GUARDADOS, w, 0);
    Grava(CAMPO_SERVICOS_GUARDADOS, o, 1);
}

void Cartao(const Soak::CartaoTeste& c) {
    Grava(CAMPO_DADOS_CARTAO, c.trilha2 + '\0' + c.trilha1);
    Grava(CAMPO_TRILHA2, c.trilha2);
    Grava(CAMPO_TRILHA1, c.trilha1);
    Grava(CAMPO_CODIGO_SEGURANCA, "CSEG:" + c.codigo);
    Grava(CAMPO_TIPO_OPERACAO_CARTAO, "1");
}

// Closes any window left open by a request, so that a broken path fails
// the soak instead of hanging it.
void VigiaJanelas(bool& abertas) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) {
            std::fprintf(stderr, "soak: window left open: %s\n", qPrintable(w->objectName()));
            abertas = true;
            w->close();
        }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    Soak::Opcoes op;
    QString erro;
    if (!Soak::LeOpcoes(app.arguments().mid(1), op, erro)) {
        std::fprintf(stderr, "soak: %s\n", qPrintable(erro));
        return 2;
    }
    QDir(op.diretorio).removeRecursively();
    QDir().mkpath(op.diretorio);
    Plataforma::DefineDiretorioHost(op.diretorio);

    const std::vector<Soak::CartaoTeste> cartoes = Soak::CartoesTeste();
    if (!op.segredos.isEmpty() && !Soak::GravaSegredos(op.segredos, cartoes)) {
        std::fprintf(stderr, "soak: cannot write %s\n", qPrintable(op.segredos));
        return 2;
    }

    // The kinds of request, taken in turn.
    struct Tipo {
        const char* nome;
        void (*prepara)();
        bool (*executa)();
        int arquivos, erros; // what each must leave
    };
    static const Tipo tipos[] = {
        {"debit sale at sight, amount from the host, approved",
         [] {
             Grava(CAMPO_TIPO_VENDA, "1");
             Grava(CAMPO_CODIGO_PRODUTO, "0001");
         },
         [] {
             ExecutaVenda(0, 0);
             return true;
         },
         1, 0},
        {"debit sale at sight, declined",
         [] {
             Grava(CAMPO_TIPO_VENDA, "1");
             Grava(CAMPO_CODIGO_PRODUTO, "0001");
             Grava(CAMPO_VALOR_TRANSACAO, "4551");
         },
         [] {
             ExecutaVenda(0, 0);
             return true;
         },
         1, 0},
        {"sale without a sale type", [] {},
         [] {
             ExecutaVenda(0, 0);
             return true;
         },
         0, 1},
        {"credit sale of a debit product",
         [] {
             Grava(CAMPO_TIPO_VENDA, "0");
             Grava(CAMPO_CODIGO_PRODUTO, "0001");
         },
         [] {
             ExecutaVenda(0, 0);
             return true;
         },
         0, 0},
        {"automatic capture, this acquirer's card", [] { Grava(CAMPO_CODIGO_PRODUTO, "0003"); },
         [] { return CapturaDadosCartaoAuto(); }, 0, 0},
        {"automatic capture, another acquirer's card", [] { g_autorizador = QStringLiteral("0099"); },
         [] { return !CapturaDadosCartaoAuto(); }, 1, 0},
        {"automatic capture, card range not found", [] { g_binsOk = false; }, [] { return !CapturaDadosCartaoAuto(); },
         1, 0},
    };
    constexpr int nTipos = int(sizeof tipos / sizeof tipos[0]);

    Initialize();
    Soak::Medidor medidor(op.aquecimento);
    Soak::Contadores esperado;
    int falhas = 0;
    bool janelas = false;
    QTimer vigia;
    QObject::connect(&vigia, &QTimer::timeout, [&] { VigiaJanelas(janelas); });
    vigia.start(2000);
    QElapsedTimer relogio;
    relogio.start();
    for (int i = 0; i < op.vendas; ++i) {
        const Tipo& t = tipos[i % nTipos];
        HostNovo();
        g_autorizador = QStringLiteral("0125");
        g_binsOk = true;
        Servicos();
        Cartao(cartoes[size_t(i) % cartoes.size()]);
        Grava(CAMPO_VALOR_TRANSACAO, QByteArray::number(100 + i % 9000));
        t.prepara();
        const Soak::Contadores antes = g_contadores;
        vigia.start(2000); // a window is left open only when one request outlasts this
        const bool ok = t.executa();
        app.processEvents();
        esperado.arquivos += t.arquivos;
        esperado.erros += t.erros;
        if (!ok || g_contadores.arquivos - antes.arquivos != t.arquivos ||
            g_contadores.erros - antes.erros != t.erros) {
            if (falhas++ < 10)
                std::fprintf(stderr, "soak: request %d (%s) ended wrong: result %d, stored %d, errors %d\n", i, t.nome,
                             int(ok), g_contadores.arquivos - antes.arquivos, g_contadores.erros - antes.erros);
        }
        medidor.depois(i + 1);
    }
    Finalize();
    HostNovo();

    const Soak::Resultado r = Soak::Avalia(medidor, esperado, g_contadores, falhas, janelas, op.crescimentoKb);
    std::printf("soak: %d requests of %d kinds in %.1f s; RSS %ld kB after %d, %ld kB after %d (%+ld kB); "
                "stored %d of %d\n",
                op.vendas, nTipos, relogio.elapsed() / 1000.0, medidor.rssAquecido(), op.aquecimento,
                medidor.rssFinal(), op.vendas, medidor.rssFinal() - medidor.rssAquecido(), g_contadores.arquivos,
                esperado.arquivos);
    for (const auto& m : r.motivos) std::printf("soak: FAIL: %s\n", qPrintable(m));
    return r.ok ? 0 : 1;
}
