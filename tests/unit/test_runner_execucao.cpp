#include "operador.h"
#include "runner.h"

#include "platform.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace hostsim::runner;

namespace {

QJsonArray Acoes(const char* json) { return QJsonDocument::fromJson(QByteArray(json)).array(); }

// A small form of the kind the module shows: an amount edit, a list and a
// confirm button that ends it with modal result 1.
struct Aplicacao {
    Aplicacao() { Plataforma::GaranteAplicacao(); }
};

struct Form : Aplicacao {
    QDialog d;
    QLineEdit* edValor;
    QListWidget* lbOpcoes;
    QPushButton* btConfirma;
    Form() {
        d.setObjectName("FrmTeste");
        auto* l = new QVBoxLayout(&d);
        edValor = new QLineEdit(&d);
        edValor->setObjectName("edValor");
        lbOpcoes = new QListWidget(&d);
        lbOpcoes->setObjectName("lbOpcoes");
        lbOpcoes->addItems({"um", "dois", "tres"});
        btConfirma = new QPushButton("OK", &d);
        btConfirma->setObjectName("btConfirma");
        btConfirma->setAutoDefault(false);
        for (QWidget* w :
             {static_cast<QWidget*>(edValor), static_cast<QWidget*>(lbOpcoes), static_cast<QWidget*>(btConfirma)})
            l->addWidget(w);
        QObject::connect(btConfirma, &QPushButton::clicked, &d, [this] { d.done(1); });
    }
};

} // namespace

TEST(RunnerOperador, ExpectReadsTheTopmostFormUnderAMessageBoxThatIsRecorded) {
    Form f;
    f.edValor->setText("7");
    QTemporaryDir shots;
    Operador op(shots.filePath("fotos"), -1);
    op.Passo("step 0", Acoes(R"([{"form": "FrmTeste"}, {"shot": "tela"},
                                 {"expect": "lbOpcoes", "text": "um\ndois\ntres"},
                                 {"expect": "edValor", "text": "7", "enabled": true, "visible": true},
                                 {"expect": "btConfirma", "contains": "O", "lacks": "&", "focused": false},
                                 {"expect": "lbOpcoes", "items": ["um", "dois", "tres"]},
                                 {"messageBox": "ok"}, {"click": "btConfirma"}])"));
    QTimer::singleShot(0, &f.d, [&] { QMessageBox::information(&f.d, "Tulen", "aviso"); });
    EXPECT_EQ(f.d.exec(), 1);
    op.FimDoPasso();
    EXPECT_EQ(op.falha, "");
    ASSERT_EQ(op.fotos.size(), 1);
    EXPECT_EQ(op.fotos[0], shots.filePath("fotos/tela.png"));
    EXPECT_FALSE(QImage(op.fotos[0]).isNull());
    EXPECT_EQ(op.caixas, Acoes(R"([{"caption": "Tulen", "text": "aviso", "icon": "information", "buttons": "ok",
                                    "answer": "ok"}])"));

    // What the control showed is in the failure.
    Form g;
    g.edValor->setText("7");
    Operador op2({}, -1);
    op2.Passo("step 1", Acoes(R"([{"expect": "edValor", "text": "8", "timeout": 50}])"));
    g.d.exec();
    EXPECT_TRUE(op2.falha.contains("\"edValor\" of \"FrmTeste\" shows \"7\" (enabled, visible, focused); unmet: text"))
        << op2.falha.toStdString();
}

TEST(RunnerOperador, AFormThatOpenedAndClosedSinceThePreviousActionIsNotMissed) {
    Form f;
    Operador op({}, -1);
    op.Passo("step 0", Acoes(R"([{"form": "FrmTeste"}, {"form": "FrmTeste"}])"));
    // Shown and gone before the operator's timer ever sees it, twice.
    f.d.show();
    f.d.hide();
    QTest::qWait(20);
    f.d.show();
    f.d.hide();
    op.FimDoPasso(); // the call returned before the timer ran again
    EXPECT_EQ(op.falha, "");
    EXPECT_EQ(op.forms.size(), 2);
}

TEST(RunnerOperador, AnActionThatCannotBeDoneFailsAndClosesTheForm) {
    Form f;
    f.btConfirma->setEnabled(false);
    Operador op({}, -1);
    op.Passo("step 2 (ExecutaVenda)", Acoes(R"([{"click": "btConfirma", "timeout": 150}, {"click": "btOutro"}])"));
    EXPECT_EQ(f.d.exec(), 2); // closed by the runner as the operator's "return"
    op.FimDoPasso();
    EXPECT_EQ(op.falha, "step 2 (ExecutaVenda): operator action #0 {\"click\":\"btConfirma\",\"timeout\":150} could "
                        "not be played within 150 ms: control \"btConfirma\" of \"FrmTeste\" is disabled");
    EXPECT_EQ(op.forms, Acoes(R"([{"name": "FrmTeste", "modalResult": 2}])"));
}

TEST(RunnerOperador, ACallThatReturnsWithActionsLeftFails) {
    Plataforma::GaranteAplicacao();
    Operador op({}, -1);
    op.Passo("step 0 (ExecutaGenerico)", Acoes(R"([{"expectClosed": true}, {"click": "btConfirma"}])"));
    op.FimDoPasso();
    EXPECT_EQ(op.falha, "step 0 (ExecutaGenerico): the call returned with 1 operator action(s) not played, the "
                        "first being #1 {\"click\":\"btConfirma\"}");
}

TEST(RunnerOperador, AFormLeftOpenWithNothingToPlayIsClosedAfterFiveSeconds) {
    Form f;
    Operador op({}, -1);
    op.Passo("step 0 (ExecutaVenda)", Acoes(R"([{"form": "FrmTeste"}])"));
    EXPECT_EQ(f.d.exec(), 2);
    op.FimDoPasso();
    EXPECT_EQ(op.falha, "step 0 (ExecutaVenda): form \"FrmTeste\" left open with no operator action to play for "
                        "5 s; closed by the runner");
}

namespace {

struct Cenario {
    QTemporaryDir dir;
    QString Grava(const char* json) {
        const QString caminho = dir.filePath("cenario.json");
        QFile f(caminho);
        f.open(QIODevice::WriteOnly);
        f.write(json);
        return caminho;
    }
};

} // namespace

TEST(RunnerExecucao, RunsATinyScenarioThroughTheModule) {
    Cenario c;
    Opcoes o;
    o.cenario = c.Grava(R"({
      "now": "2026-12-05T10:30:00",
      "host": { "fields": {"1027": "PRONTO \u00e9", "1003": "1500"}, "fieldsHex": {"10104": "3b0041"},
                "indexed": {"20022": ["a", "b"]},
                "ini": {"Cliente.ini": {"CLIENTOMBRA": {"TipoPIN": "Nenhum"}}}, "files": {"audit.log": "linha"} },
      "script": { "VerificaCPF": [true] },
      "steps": [ {"call": "ObtemVersao", "snapshot": true}, {"call": "ExecutaGenerico", "arg": 5} ]
    })");
    QJsonObject r;
    ASSERT_EQ(Executa(o, r), 0) << r["failure"].toString().toStdString();
    QString onde;
    const QJsonObject esperado = QJsonDocument::fromJson(R"({
      "ok": true,
      "fields": {"1027": "PRONTO \u00e9", "1003": "1500", "20022": "a", "10104": null, "10263": null},
      "fieldsHex": {"10104": "2a2a2a"},
      "cardData": "masked",
      "indexed": {"20022": ["a", "b"]},
      "ini": {"Cliente.ini": {"CLIENTOMBRA": {"TipoPIN": "Nenhum"}}, "Modulo.ini": {"0125": {}}},
      "hostFiles": {"$exact": ["Cliente.ini", "Modulo.ini", "audit.log"]},
      "forms": {"$exact": []},
      "unused": {"script": {"VerificaCPF": [true]}, "acquirer": 0}
    })")
                                     .object();
    EXPECT_TRUE(ConfereEsperado(esperado, r, onde)) << onde.toStdString();
    // The clock and the host's directory go back to the process's own.
    EXPECT_NE(Plataforma::Agora().date(), QDate(2026, 12, 5));
}

TEST(RunnerExecucao, ABadScenarioRunsNothing) {
    Cenario c;
    Opcoes o;
    o.cenario = c.Grava(R"({"steps": [{"call": "ExecutaVenda", "fields": {"1003": "\u0100"}}]})");
    QJsonObject r;
    EXPECT_EQ(Executa(o, r), 1);
    EXPECT_EQ(r, QJsonDocument::fromJson(R"({"ok": false, "failure":
        "bad scenario: steps[0].fields.1003: not a Latin-1 text"})")
                     .object());
    o.cenario = c.Grava("{\"steps\": [}");
    EXPECT_EQ(Executa(o, r), 1);
    EXPECT_TRUE(r["failure"].toString().startsWith("bad scenario: ")) << r["failure"].toString().toStdString();
}
