// The desk driven through its own widgets: a debit sale at sight with the PIN
// typed on the pinpad panel and the approval given on the acquirer panel,
// saved as a scenario and replayed by `hostsim run` to the same stored
// transaction. Also the card-number substitution of the saved scenarios.
#include "mesa.h"
#include "sigilo.h"
#include "estado.h"
#include "Dadoscartao.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QLineEdit>
#include <QSpinBox>
#include <QJsonDocument>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

using namespace hostsim::desk;

namespace {

int falhas = 0;
void Confere(bool ok, const QString& oque) {
    if (ok) return;
    ++falhas;
    std::fprintf(stderr, "FAIL: %s\n", qPrintable(oque));
}

int Substituicao() {
    const QByteArray pan = "5555666677778888";
    const QByteArray novo = SubstituiCartao(pan);
    Confere(novo != pan && novo.size() == pan.size(), "the number is replaced by one of the same length");
    Confere(hostsim::MascaraPan(novo) == hostsim::MascaraPan(pan), "the host masks both to the same text");
    Confere(SubstituiCartao(novo) == novo, "a replaced number stays as it is");
    Confere(novo == "5555660000008888" || novo == "5555661000008888", "first six, zeros, last four: " + novo);
    // The card-data check looks for valid numbers: a replaced one never is.
    Confere(!DadosCartao::Luhn(novo.toStdString()) &&
                !DadosCartao::Luhn(SubstituiCartao("4111111111111111").toStdString()),
            "the replacement fails the check digit");
    const QByteArray trilha = SubstituiCartao(pan + "=28121014455667");
    Confere(trilha.endsWith("=28121015566778"), "track 2 keeps expiry and service code only: " + trilha);
    const QByteArray trilha1 = SubstituiCartao("B" + pan + "^CLIENTE/TESTE^2812101998877");
    Confere(trilha1.endsWith("^XXXXXXX/XXXXX^2812101009988") && !trilha1.contains(pan), "track 1: " + trilha1);
    Confere(SubstituiCartao("valor 123456789012 nsu 000123") == "valor 123456789012 nsu 000123", "short numbers stay");
    const QJsonObject c = CenarioSeguro(QJsonObject{
        {"host", QJsonObject{{"fields", QJsonObject{{"10109", QString::fromLatin1(pan + "=2812")},
                                                    {"1003", "5555666677778888"},
                                                    {"10149", "CSEG:123"}}}}},
        {"steps", QJsonArray{QJsonObject{
                      {"operator", QJsonArray{QJsonObject{{"type", "edCartao"}, {"text", QString::fromLatin1(pan)}},
                                              QJsonObject{{"type", "EdCSeg"}, {"text", "987"}}}}}}}});
    const QByteArray json = QJsonDocument(c).toJson();
    Confere(json.count(pan) == 1, "only the non-card field keeps its digits");
    Confere(json.contains("CSEG:234") && json.contains("\"098\""), "security codes keep their length only: " + json);
    return falhas ? 1 : 0;
}

QWidget* Visivel(const char* nome) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String(nome)) return w;
    return nullptr;
}

QJsonObject Mascarado(const QJsonObject& foto) {
    QJsonObject r;
    const QJsonObject f = foto["fields"].toObject();
    for (auto it = f.begin(); it != f.end(); ++it)
        if (!hostsim::CampoSigiloso(it.key().toInt()))
            r[it.key()] = QString::fromLatin1(hostsim::MascaraPan(it.value().toString().toLatin1()));
    return r;
}

// `pendente`: the acquirer panel keeps the request pending a second, with an
// interim field, before it approves.
int Venda(const QString& modulo, const QString& hostsim, const QString& dir, const QString& foto, bool pendente) {
    if (pendente) {
        QProcess ajuda;
        ajuda.start(hostsim, {"run", "--help"});
        if (!ajuda.waitForFinished(30000) || !ajuda.readAllStandardOutput().contains("pendingMs")) {
            std::fputs("SKIP: this hostsim does not replay pending replies\n", stderr);
            return 77;
        }
    }
    // A recording left in the folder would be taken up as the desk's own.
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    Mesa mesa(OpcoesMesa{modulo, dir + "/recording.json", {}, dir + "/host"});
    QString erro;
    if (!mesa.Carrega(erro)) {
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(erro));
        return 1;
    }
    mesa.show();
    // The module's forms wait modally; the desk must stay usable meanwhile.
    struct Bloqueio : QObject {
        bool bloqueada = false;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::WindowBlocked) bloqueada = true;
            return false;
        }
    } bloqueio;
    mesa.installEventFilter(&bloqueio);
    mesa.findChild<QCheckBox*>("ckAdqManual")->click();
    auto botao = [&](QWidget* raiz, const char* nome) {
        auto* b = raiz ? raiz->findChild<QAbstractButton*>(nome) : nullptr;
        if (!b || !b->isVisible() || !b->isEnabled()) return false;
        // Posted: a click may start a wait of the module, and this timer's
        // slot must have ended for the timer to fire again meanwhile.
        QTimer::singleShot(0, b, [b] { QTest::mouseClick(b, Qt::LeftButton); });
        return true;
    };
    bool chamou = false, semValor = false, digitou = false, digitosPin = false, senha = false, aprovou = false;
    QElapsedTimer tempo;
    tempo.start();
    QTimer tique;
    QObject::connect(&tique, &QTimer::timeout, [&] {
        if (tempo.elapsed() > 90000) {
            std::fprintf(stderr, "FAIL: the sale did not end (typed %d, PIN %d, approved %d)\n", digitou, senha,
                         aprovou);
            std::fflush(stderr);
            _exit(1);
        }
        if (!chamou) {
            chamou = botao(&mesa, "btChama");
            return;
        }
        if (auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); caixa && caixa->isVisible()) {
            QTimer::singleShot(0, caixa, [caixa] { QTest::keyClick(caixa, Qt::Key_Enter); });
            return;
        }
        // First a confirmation without an amount, which the form refuses in a message box.
        if (QWidget* form = Visivel("FrmVis_Deb"); form && !semValor) {
            semValor = botao(form, "btConfirma");
            return;
        }
        if (QWidget* form = Visivel("FrmVis_Deb"); form && !digitou && mesa.aguardando().isEmpty()) {
            QWidget* valor = form->findChild<QWidget*>("edValor");
            if (!valor || !valor->isEnabled()) return;
            valor->setFocus();
            QTest::keyClicks(valor, "1234");
            digitou = botao(form, "btConfirma");
            return;
        }
        if (mesa.aguardando() == QLatin1String("LerSenha")) {
            if (!digitosPin) {
                for (const char* t : {"btPin4", "btPin3", "btPin2", "btPin1"}) botao(&mesa, t);
                digitosPin = true;
                return;
            }
            if (!foto.isEmpty()) {
                QScreen* tela = QGuiApplication::primaryScreen();
                QPixmap p = QGuiApplication::platformName() == QLatin1String("xcb") ? tela->grabWindow(0) : mesa.grab();
                Confere(p.save(foto), "screenshot saved to " + foto);
            }
            senha = botao(&mesa, "btPinEntra");
            return;
        }
        if (mesa.aguardando() == QLatin1String("ObtemConfirmacao")) {
            botao(&mesa, "btPinEntra");
            return;
        }
        if (mesa.aguardando() == QLatin1String("acquirer")) {
            if (pendente) {
                mesa.findChild<QSpinBox*>("spPendente")->setValue(1);
                mesa.findChild<QLineEdit*>("edInterino")->setText("1562=AGUARDE O CLIENTE");
            }
            aprovou = botao(&mesa, pendente ? "btPendente" : "btAprova");
            return;
        }
        if (digitou && !mesa.emChamada()) QApplication::quit();
    });
    tique.start(100);
    QApplication::exec();
    tique.stop();

    Confere(!bloqueio.bloqueada, "the module's forms never blocked the desk");
    Confere(senha, "the PIN was typed on the pinpad panel");
    Confere(aprovou, "the acquirer panel approved the request");
    const QJsonArray arquivos = hostsim::estado().arquivos;
    Confere(!arquivos.isEmpty(), "the desk's sale stored a transaction");
    const QJsonObject daMesa = Mascarado(arquivos.last().toObject());
    Confere(daMesa["1027"].toString() == QLatin1String("TRANSACAO APROVADA"), "the sale was approved at the desk");

    const QString cenario = dir + "/sale.json";
    Confere(mesa.SalvaCenario(cenario, erro), erro);
    QFile salvo(cenario);
    const QByteArray textoSalvo = salvo.open(QIODevice::ReadOnly) ? salvo.readAll() : QByteArray();
    Confere(textoSalvo.contains(R"({"click":"btConfirma"},
        {"messageBox":"ok"},
        {"text":"1234","type":"edValor"},)"),
            "the refused confirmation, the box's answer and the amount are recorded in order:\n" + textoSalvo);
    if (pendente) {
        const QJsonObject resposta = QJsonDocument::fromJson(textoSalvo).object()["steps"][0]["acquirer"][0].toObject();
        Confere(resposta["pendingMs"].toInt() == 1000 &&
                    resposta["interim"]["fields"]["1562"].toString() == QLatin1String("AGUARDE O CLIENTE"),
                "the pending reply is recorded with its interim field");
    }
    QDirIterator arquivosDaMesa(dir, QDir::Files, QDirIterator::Subdirectories);
    while (arquivosDaMesa.hasNext()) {
        QFile f(arquivosDaMesa.next());
        Confere(f.open(QIODevice::ReadOnly) && !f.readAll().contains("5555666677778888"),
                f.fileName() + " holds no full card number");
    }
    QProcess p;
    p.start(hostsim, {"run", cenario, "--module", modulo, "--out", dir + "/replay.json"});
    Confere(p.waitForFinished(120000) && p.exitCode() == 0,
            "hostsim run replays the saved scenario: " + QString::fromLocal8Bit(p.readAllStandardError()));
    QFile r(dir + "/replay.json");
    const QJsonObject res = r.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(r.readAll()).object() : QJsonObject();
    const QJsonArray repetidos = res["files"].toArray();
    Confere(repetidos.size() == arquivos.size(),
            QStringLiteral("as many stored transactions: %1 and %2").arg(arquivos.size()).arg(repetidos.size()));
    if (!repetidos.isEmpty()) {
        const QJsonObject doRun = Mascarado(repetidos.last().toObject());
        for (const QString& k : daMesa.keys() + doRun.keys())
            Confere(daMesa[k] == doRun[k], QStringLiteral("field %1: desk \"%2\", replay \"%3\"")
                                               .arg(k, daMesa[k].toString(), doRun[k].toString()));
    }
    return falhas ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList a = app.arguments();
    int rc = 2;
    if (a.value(1) == QLatin1String("--unit"))
        rc = Substituicao();
    else if ((a.value(1) == QLatin1String("--sale") || a.value(1) == QLatin1String("--sale-pending")) && a.size() >= 5)
        rc = Venda(a[2], a[3], a[4], a.value(5), a.value(1) == QLatin1String("--sale-pending"));
    else
        std::fputs("usage: tulen_desk_test --unit | --sale[-pending] MODULE HOSTSIM DIR [SHOT.png]\n", stderr);
    std::fflush(nullptr);
    // The module stays loaded: no static destructors against a gone application.
    _exit(rc);
}
