// tulen_bench [--module PATH] [--runs N]
// Times, each over N runs (median and p95, in milliseconds):
//   load     dlopen of the module + Initialize
//   paint    ExecutaVenda of a debit sale at sight up to the form's first paint
//   menu     ExecutaVenda of a debit product sold at sight or pre-dated: the
//            debit menu up to its first paint
//   parc     the merchant-financed instalment debit form, opened by name, up
//            to its first paint
//   sale     a whole debit sale at sight, amount from the host (the form
//            confirms by itself), approval scripted
//   floor    for each of paint, menu and parc, a bare QDialog with the same
//            widgets, shown and closed the same way as that form, in turns with it
// and the ratio of each figure to its floor (the target, 1.5, is for the forms'
// first paint).
#include "Camposkora.h"
#include "Estatistica.h"
#include "Servicoskora.h"
#include "estado.h"
#include "platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>
#include <dlfcn.h>
#include <functional>

namespace {

using Relogio = QElapsedTimer;
double Ms(const Relogio& r) { return double(r.nsecsElapsed()) / 1e6; }

void Grava(uint16_t campo, const QByteArray& v, uint16_t indice = 0) {
    hostsim::estado().campos.grava(campo, indice, v);
}
QByteArray U16(int v) { return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF); }

// A debit product with the given flags ("1" at each offset), selected, with
// the amount given.
void PreparaVendaDebito(std::initializer_list<int> flags = {OffProduto::AVISTA}) {
    auto& e = hostsim::estado();
    e.campos.limpaTudo();
    e.roteiro.limpa();
    e.respostasAdquirente.clear();
    e.arquivos = {};
    e.requisicoes = {};
    e.audit = {};
    e.pinpad = {};
    e.chamadas = {};
    e.erros = {};
    QByteArray p(TAM_PRODUTO, '0');
    p.replace(OffProduto::TIPO, 2, "02");
    p.replace(OffProduto::CODIGO, 4, "0001");
    for (int f : flags) p[f] = '1';
    Grava(CAMPO_QTD_SERVICOS_GUARDADOS, "0001");
    Grava(CAMPO_SERVICOS_GUARDADOS, "WHDR01" + U16(1) + p);
    Grava(CAMPO_CODIGO_PRODUTO, "0001");
    Grava(CAMPO_TIPO_VENDA, "1");
    Grava(CAMPO_VALOR_TRANSACAO, "1500");
    e.respostasAdquirente.append(QJsonObject{{"fields", QJsonObject{{"1009", "00"}, {"1027", "APROVADA"}}}});
}

// One widget of a form, enough to build the same tree bare.
struct Peca {
    QString classe; // the Qt class it derives from
    int pai = -1;   // index of the parent piece, -1 for the dialog
    QRect geometria;
    QVariant texto, pixmap;
    QString estilo;
    QFont fonte;
    bool visivel = true;
    std::vector<std::pair<const char*, QVariant>> propriedades;
};

// What else makes a control look and behave as it does on the form: frames,
// alignment, own colours, limits. Only those the control has are copied.
constexpr const char* kPropriedades[] = {"objectName", "frameShape", "frameShadow",    "lineWidth",
                                         "alignment",  "wordWrap",   "scaledContents", "maxLength",
                                         "readOnly",   "echoMode",   "enabled",        "autoFillBackground"};
struct Molde {
    QSize tamanho;
    Qt::WindowFlags flags;
    QString estilo;
    std::vector<Peca> pecas;
};

QString ClasseQt(const QObject* o) {
    for (const QMetaObject* m = o->metaObject(); m; m = m->superClass())
        if (QByteArray(m->className()).startsWith('Q')) return QString::fromLatin1(m->className());
    return QStringLiteral("QWidget");
}

Molde Copia(QDialog* d) {
    Molde m;
    m.tamanho = d->size();
    m.flags = d->windowFlags();
    m.estilo = d->styleSheet();
    std::map<const QWidget*, int> indice;
    std::function<void(QWidget*, int)> desce = [&](QWidget* w, int pai) {
        for (QObject* o : w->children()) {
            auto* c = qobject_cast<QWidget*>(o);
            if (!c || c->isWindow()) continue;
            Peca p;
            p.classe = ClasseQt(c);
            p.pai = pai;
            p.geometria = c->geometry();
            p.texto = c->property("text");
            p.pixmap = c->property("pixmap");
            p.estilo = c->styleSheet();
            p.fonte = c->font();
            p.visivel = c->isVisibleTo(d);
            for (const char* nome : kPropriedades)
                if (c->metaObject()->indexOfProperty(nome) >= 0) p.propriedades.emplace_back(nome, c->property(nome));
            if (c->testAttribute(Qt::WA_SetPalette)) p.propriedades.emplace_back("palette", c->palette());
            m.pecas.push_back(p);
            desce(c, int(m.pecas.size()) - 1);
        }
    };
    desce(d, -1);
    return m;
}

QWidget* Cria(const QString& classe, QWidget* pai) {
    if (classe == QLatin1String("QLabel")) return new QLabel(pai);
    if (classe == QLatin1String("QLineEdit")) return new QLineEdit(pai);
    if (classe == QLatin1String("QPushButton")) return new QPushButton(pai);
    if (classe == QLatin1String("QTextEdit")) return new QTextEdit(pai);
    if (classe == QLatin1String("QPlainTextEdit")) return new QPlainTextEdit(pai);
    if (classe == QLatin1String("QListWidget")) return new QListWidget(pai);
    if (classe == QLatin1String("QComboBox")) return new QComboBox(pai);
    if (classe == QLatin1String("QFrame")) return new QFrame(pai);
    return new QWidget(pai);
}

void Monta(const Molde& m, QDialog& d) {
    d.setWindowFlags(m.flags);
    d.setStyleSheet(m.estilo);
    d.resize(m.tamanho);
    std::vector<QWidget*> feitos;
    for (const Peca& p : m.pecas) {
        QWidget* w = Cria(p.classe, p.pai < 0 ? &d : feitos[size_t(p.pai)]);
        w->setGeometry(p.geometria);
        if (p.texto.isValid()) w->setProperty("text", p.texto);
        if (p.pixmap.isValid()) w->setProperty("pixmap", p.pixmap);
        if (!p.estilo.isEmpty()) w->setStyleSheet(p.estilo);
        w->setFont(p.fonte);
        for (const auto& [nome, valor] : p.propriedades) w->setProperty(nome, valor);
        w->setVisible(p.visivel);
        feitos.push_back(w);
    }
}

// Watches every paint: the first one of a dialog ends the "paint" timing
// and, when asked, closes it with result 2 right away. Message boxes are
// answered so that nothing blocks; they mean the form is not there.
class Vigia : public QObject {
public:
    bool fecharAoPintar = false;
    bool pintou = false, caixa = false;
    double instante = 0;
    const Relogio* relogio = nullptr;
    std::function<void(QDialog*)> aoPintar;

    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint || pintou) return false;
        auto* w = qobject_cast<QWidget*>(o);
        auto* d = w ? qobject_cast<QDialog*>(w->window()) : nullptr;
        if (!d || !d->isVisible()) return false;
        if (d->inherits("QMessageBox")) {
            caixa = true;
            QTimer::singleShot(0, d, [d] { d->done(QDialog::Rejected); });
            return false;
        }
        pintou = true;
        instante = relogio ? Ms(*relogio) : 0;
        if (aoPintar) aoPintar(d);
        if (fecharAoPintar) QTimer::singleShot(0, d, [d] { d->done(2); });
        return false;
    }
    void reinicia(const Relogio* r, bool fechar) {
        relogio = r;
        fecharAoPintar = fechar;
        pintou = caixa = false;
        instante = 0;
        aoPintar = nullptr;
    }
};

// Closes any window still open after a while, so that a sale that waits for
// an operator does not hang the bench.
void Desbloqueia(bool& travou) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) {
            travou = true;
            d->done(2);
        }
}

void Linha(const char* nome, const Bench::Resumo& r) {
    std::printf("%-6s n=%-4zu median %8.3f ms   p95 %8.3f ms   min %8.3f ms\n", nome, r.n, r.mediana, r.p95, r.minimo);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QString modulo = QCoreApplication::applicationDirPath() + QStringLiteral("/libKora41.so");
    int runs = 200;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--module"))
            modulo = args[i + 1];
        else if (args[i] == QLatin1String("--runs"))
            runs = std::max(1, args[i + 1].toInt());
    }
    QTemporaryDir dir;
    Plataforma::DefineDiretorioHost(dir.path());
    const QByteArray caminho = QFile::encodeName(QFileInfo(modulo).absoluteFilePath());

    // load
    std::vector<double> carga;
    for (int i = 0; i < runs; ++i) {
        Relogio r;
        r.start();
        void* h = dlopen(caminho.constData(), RTLD_NOW | RTLD_LOCAL);
        if (!h) {
            std::fprintf(stderr, "bench: %s\n", dlerror());
            return 1;
        }
        auto init = reinterpret_cast<void (*)()>(dlsym(h, "Initialize"));
        if (init) init();
        carga.push_back(Ms(r));
        if (auto fim = reinterpret_cast<void (*)()>(dlsym(h, "Finalize"))) fim();
        dlclose(h);
    }
    const bool descarrega = dlopen(caminho.constData(), RTLD_NOW | RTLD_NOLOAD) == nullptr;

    void* h = dlopen(caminho.constData(), RTLD_NOW | RTLD_LOCAL);
    auto init = reinterpret_cast<void (*)()>(dlsym(h, "Initialize"));
    auto fim = reinterpret_cast<void (*)()>(dlsym(h, "Finalize"));
    auto venda = reinterpret_cast<void (*)(uint32_t, int32_t)>(dlsym(h, "ExecutaVenda"));
    auto abreForm = reinterpret_cast<int (*)(const char*)>(dlsym(h, "Kora41AbreForm"));
    if (!init || !fim || !venda) {
        std::fprintf(stderr, "bench: the module lacks its exports\n");
        return 1;
    }
    init();
    Vigia vigia;
    app.installEventFilter(&vigia);
    bool travou = false;
    QTimer destrava;
    QObject::connect(&destrava, &QTimer::timeout, [&] { Desbloqueia(travou); });

    // One form opening measured against its floor: the form's widget tree,
    // bare, shown and closed the same way. Run in turns, so that the machine's
    // drift over the runs weighs on both alike; the first paint gives the
    // floor its tree.
    struct Abertura {
        const char* nome;
        std::function<void()> prepara, abre;
        std::vector<double> pintura, piso;
        Molde molde;
        bool temMolde = false, semForm = false;
    };
    auto mede = [&](Abertura& a) {
        for (int i = 0; i < runs && !a.semForm; ++i) {
            a.prepara();
            Relogio r;
            vigia.reinicia(&r, true);
            if (!a.temMolde)
                vigia.aoPintar = [&a](QDialog* d) {
                    a.molde = Copia(d);
                    a.temMolde = true;
                };
            destrava.start(5000);
            r.start();
            a.abre();
            destrava.stop();
            if (!vigia.pintou)
                a.semForm = true;
            else
                a.pintura.push_back(vigia.instante);
            if (!a.temMolde) continue;
            Relogio rp;
            vigia.reinicia(&rp, true);
            rp.start();
            QDialog d;
            Monta(a.molde, d);
            d.exec();
            a.piso.push_back(vigia.instante);
        }
    };
    Abertura aberturas[] = {
        {"paint", [] { PreparaVendaDebito(); }, [&] { venda(0, 0); }, {}, {}, {}},
        {"menu",
         [] {
             PreparaVendaDebito({OffProduto::AVISTA, OffProduto::DEBITO_PREDATADO});
         },
         [&] { venda(0, 0); },
         {},
         {},
         {}},
        {"parc",
         [] { PreparaVendaDebito(); },
         [&] { abreForm ? (void)abreForm("FrmLoja_DebPar") : void(); },
         {},
         {},
         {}},
    };
    for (Abertura& a : aberturas) mede(a);
    const bool semForm = aberturas[0].semForm;

    // sale
    std::vector<double> vendas;
    travou = false;
    for (int i = 0; i < runs && !semForm && !travou; ++i) {
        PreparaVendaDebito();
        Relogio r;
        vigia.reinicia(&r, false);
        destrava.start(5000);
        r.start();
        venda(0, 0);
        const double t = Ms(r);
        destrava.stop();
        if (vigia.caixa || travou) break;
        vendas.push_back(t);
    }

    fim();

    std::printf("tulen_bench: %d runs, module %s\n", runs, caminho.constData());
    Linha("load", Bench::Resume(carga));
    std::printf("       (%s)\n",
                descarrega ? "unloaded after each run" : "stays mapped after dlclose: later runs reload nothing");
    for (const Abertura& a : aberturas) {
        if (a.semForm)
            std::printf("%-6s n/a: no form painted\n", a.nome);
        else
            Linha(a.nome, Bench::Resume(a.pintura));
    }
    if (vendas.size() < size_t(runs))
        std::printf("sale   n/a: the debit sale at sight does not end by itself yet\n");
    else
        Linha("sale", Bench::Resume(vendas));
    for (const Abertura& a : aberturas) {
        if (a.piso.empty()) continue;
        const auto f = Bench::Resume(a.piso);
        const auto m = Bench::Resume(a.pintura);
        std::printf("floor of %-5s (%zu widgets): median %.3f ms, p95 %.3f ms; ratio median / p95: %.2f / %.2f\n",
                    a.nome, a.molde.pecas.size(), f.mediana, f.p95, m.mediana / f.mediana, m.p95 / f.p95);
        if (&a == &aberturas[0]) {
            std::printf("  load and sale against the floor of paint, median / p95:\n");
            auto razao = [&f](const char* nome, const std::vector<double>& v) {
                if (v.empty()) return;
                const auto r = Bench::Resume(v);
                std::printf("  %-6s %6.2f / %6.2f\n", nome, r.mediana / f.mediana, r.p95 / f.p95);
            };
            razao("load", carga);
            if (vendas.size() == size_t(runs)) razao("sale", vendas);
        }
    }
    return 0;
}
