#include "runner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace hostsim::runner;

namespace {

QJsonObject Json(const char* texto) {
    QJsonParseError erro;
    const QJsonDocument d = QJsonDocument::fromJson(QByteArray(texto), &erro);
    EXPECT_EQ(erro.error, QJsonParseError::NoError) << texto;
    return d.object();
}

QString Valida(const char* texto) { return ValidaCenario(Json(texto)); }

} // namespace

TEST(RunnerCenario, AcceptsEveryDocumentedKey) {
    EXPECT_EQ(Valida(R"({
      "now": "2026-12-05T10:30:00",
      "host": { "fields": {"10107": "1"}, "fieldsHex": {"10104": "3b34"},
                "indexed": {"20022": ["a", "b"]}, "indexedHex": {"20033": ["57", "45"]},
                "enabledPos": [1, 5], "enabledTerminal": [1], "compreSaque": [2],
                "card": {"emv": false, "chipContact": true, "processaChip": false, "lidoChip": true},
                "permiteAlterarDados": false, "refuseWrites": [10233],
                "ini": {"Cliente.ini": {"CLIENTOMBRA": {"TipoPIN": "Nenhum"}}}, "files": {"audit.log": "x"} },
      "script": { "LerSenha": [0, {"result": 0, "block": "ab\u0000c"}], "FazConsultaBins": [true] },
      "acquirer": [ {"fields": {"1009": "0"}, "clear": [1027], "noReply": false,
                     "responseServices": [{"letter": "Q", "text": "039000"}]},
                    {"pendingMs": 1500, "interim": {"fields": {"1562": "x"}, "clear": [1]}, "fields": {}} ],
      "steps": [ {"call": "ExecutaVenda", "handle": 7, "arg": 82, "fields": {"1003": "100"},
                  "script": {"ObtemConfirmacao": [9]}, "acquirer": [{"noReply": true}],
                  "operator": [ {"form": "FrmVis_Deb", "timeout": 2000}, {"type": "edValor", "text": "12,34"},
                                {"key": "F10"}, {"key": "9"}, {"click": "btConfirma"},
                                {"select": "cbListaVias", "index": 2}, {"messageBox": "yes", "contains": "x"},
                                {"wait": 200}, {"shot": "tela"}, {"expectClosed": true},
                                {"expect": "lbMsg", "text": "a", "enabled": true, "visible": true, "focused": false},
                                {"expect": "mmTela", "contains": "a", "lacks": "b", "message": 130, "timeout": 9},
                                {"expect": "cbVias", "items": ["1", "2"]} ] },
                 {"open": "FrmCnc_Mnu", "fields": {"1003": "1"}, "operator": [{"click": "bt1"}]} ]
    })"),
              "");
}

TEST(RunnerCenario, UnknownKeysAreErrorsWhereverTheyAre) {
    EXPECT_EQ(Valida(R"({"steps": [], "stpes": []})"), "scenario: unknown key \"stpes\"");
    EXPECT_EQ(Valida(R"({"host": {"field": {}}, "steps": []})"), "host: unknown key \"field\"");
    EXPECT_EQ(Valida(R"({"host": {"card": {"emv": true, "chip": true}}, "steps": []})"),
              "host.card: unknown key \"chip\"");
    EXPECT_EQ(Valida(R"({"acquirer": [{"feilds": {}}], "steps": []})"), "acquirer[0]: unknown key \"feilds\"");
    EXPECT_EQ(Valida(R"({"steps": [{"call": "Initialize", "operator": [{"click": "b", "tiemout": 3}]}]})"),
              "steps[0].operator[0]: unknown key \"tiemout\"");
    EXPECT_EQ(Valida(R"({"steps": [{"call": "Initialize", "args": 1}]})"), "steps[0]: unknown key \"args\"");
}

TEST(RunnerCenario, RejectsBadValues) {
    EXPECT_EQ(Valida(R"({"host": {"fieldsHex": {"10104": "3b3"}}, "steps": []})"),
              "host.fieldsHex.10104: not a hexadecimal text");
    EXPECT_EQ(Valida(R"({"host": {"fieldsHex": {"10104": "zz"}}, "steps": []})"),
              "host.fieldsHex.10104: not a hexadecimal text");
    EXPECT_EQ(Valida(R"({"host": {"fields": {"10107": "\u20ac"}}, "steps": []})"),
              "host.fields.10107: not a Latin-1 text");
    EXPECT_EQ(Valida(R"({"host": {"fields": {"70000": "1"}}, "steps": []})"),
              "host.fields: bad field number \"70000\"");
    EXPECT_EQ(Valida(R"({"steps": [{"call": "ExecutaVenda", "indexed": {"20022": ["ok", "\u0152"]}}]})"),
              "steps[0].indexed.20022[1]: not a Latin-1 text");
    EXPECT_EQ(Valida(R"({"script": {"LerSenha": [{"result": 0, "block": "\u2013"}]}, "steps": []})"),
              "script.LerSenha[0].block: not a Latin-1 text");
    EXPECT_EQ(Valida(R"({"script": {"LerSenha": [{"block": "1"}]}, "steps": []})"),
              "script.LerSenha[0]: an object answer needs \"result\"");
    EXPECT_EQ(Valida(R"({"script": {"LerSenha": ["0"]}, "steps": []})"),
              "script.LerSenha[0]: an answer is a number, a boolean or an object");
    EXPECT_TRUE(Valida(R"({"steps": [{"call": "Executa"}]})").startsWith("steps[0].call: one of Initialize"));
    EXPECT_EQ(Valida(R"({"steps": [{"call": "ExecutaVenda", "arg": 1.5}]})"), "steps[0].arg: a 32-bit integer");
    EXPECT_EQ(Valida(R"({"now": "yesterday", "steps": []})"), "now: not a local date and time (YYYY-MM-DDTHH:MM:SS)");
    EXPECT_EQ(Valida(R"({})"), "steps: missing or not a list");
    for (const char* nome : {"../x", "/etc/x", "Audit/../../x", "a//b", "./x"})
        EXPECT_TRUE(Valida(("{\"host\": {\"files\": {\"" + std::string(nome) + "\": \"\"}}, \"steps\": []}").c_str())
                        .endsWith("a relative file name, without \"..\""))
            << nome;
    EXPECT_EQ(Valida(R"({"host": {"files": {"Audit/20261205.aud": "x"}}, "steps": []})"), "");
    // Typos that used to pass: an operation name, a field number, a service too long for its length.
    EXPECT_EQ(Valida(R"({"script": {"LerSenh": [0]}, "steps": []})"),
              "script.LerSenh: not a scriptable operation (hostsim run --help lists them)");
    for (const char* n : {" 1003", "+1003", "01003", "1003 "})
        EXPECT_EQ(Valida(("{\"host\": {\"fields\": {\"" + std::string(n) + "\": \"1\"}}, \"steps\": []}").c_str()),
                  "host.fields: bad field number \"" + QString::fromLatin1(n) + "\"");
    const QByteArray longo = R"({"acquirer": [{"responseServices": [{"letter": "Q", "text": ")" +
                             QByteArray(1000, 'x') + R"("}]}], "steps": []})";
    EXPECT_EQ(ValidaCenario(QJsonDocument::fromJson(longo).object()),
              "acquirer[0].responseServices[0].text: longer than 999 characters");
    EXPECT_EQ(Valida(R"({"acquirer": [{"interim": {"pendingMs": 1}}], "steps": []})"),
              "acquirer[0].interim: unknown key \"pendingMs\"");
    EXPECT_EQ(Valida(R"({"steps": [{"open": "FrmX", "call": "ExecutaVenda"}]})"),
              "steps[0]: \"call\" or \"open\", not both");
    EXPECT_EQ(Valida(R"({"steps": [{"open": "FrmX", "arg": 1}]})"), "steps[0].arg: not for an \"open\" step");
}

TEST(RunnerCenario, FilesAreReadWithLimitsBasesAndNoRepeatedKeys) {
    EXPECT_EQ(ChaveRepetida(R"({"steps": [], "now": "x", "steps": [1]})"), "duplicate key \"steps\"");
    EXPECT_EQ(ChaveRepetida(R"({"host": {"fields": {"1003": "1", "1\u0030\u00303": "2"}}})"),
              "duplicate key \"1003\" in \"fields\"");
    EXPECT_EQ(ChaveRepetida(R"({"a": {"k": 1}, "b": {"k": "\"k\":"}, "c": [{"k": 1}, {"k": 2}]})"), "");

    QTemporaryDir dir;
    auto escreve = [&](const QString& nome, const QByteArray& texto) {
        QDir().mkpath(QFileInfo(dir.filePath(nome)).absolutePath());
        QFile f(dir.filePath(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(texto);
    };
    escreve("base/cartao.json", R"({"now": "2026-12-05T10:30:00", "host": {"fields": {"1003": "1", "10107": "1"},
                                    "enabledPos": [1, 2]}, "steps": [{"call": "Initialize"}]})");
    escreve("base/venda.json", R"({"base": "cartao.json", "host": {"fields": {"1003": "2"}}})");
    escreve("venda.json", R"({"base": "base/venda.json", "host": {"enabledPos": [3]},
                              "steps": [{"call": "ExecutaVenda"}]})");
    QJsonObject c;
    ASSERT_EQ(LeCenario(dir.filePath("venda.json"), c), "");
    EXPECT_EQ(c, Json(R"({"now": "2026-12-05T10:30:00", "host": {"fields": {"1003": "2", "10107": "1"},
                          "enabledPos": [3]}, "steps": [{"call": "ExecutaVenda"}]})"));

    escreve("laco.json", R"({"base": "laco.json", "steps": []})");
    EXPECT_TRUE(LeCenario(dir.filePath("laco.json"), c).endsWith("more than 8 bases deep (a loop?)"));
    escreve("dupla.json", R"({"base": "base/cartao.json", "steps": [], "steps": []})");
    EXPECT_TRUE(LeCenario(dir.filePath("dupla.json"), c).endsWith("duplicate key \"steps\""));
    EXPECT_TRUE(LeCenario(dir.filePath("nada.json"), c).startsWith("cannot read"));
    EXPECT_TRUE(LeCenario(QStringLiteral("/dev/zero"), c).endsWith("is not a regular file"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo.json")).constData(), 0600), 0);
    EXPECT_TRUE(LeCenario(dir.filePath("fifo.json"), c).endsWith("is not a regular file")); // and does not block
    escreve("grande.json", QByteArray(kMaxCenario + 1, ' '));
    EXPECT_TRUE(LeCenario(dir.filePath("grande.json"), c).contains("larger than"));
}

TEST(RunnerCenario, OperatorActionsAreCheckedOneByOne) {
    auto acao = [](const char* a) {
        return ValidaCenario(
            Json((QByteArray(R"({"steps": [{"call": "ExecutaVenda", "operator": [)") + a + "]}]}").constData()));
    };
    EXPECT_TRUE(acao(R"({"click": "a", "type": "b", "text": "1"})").startsWith("steps[0].operator[0]: one action"));
    EXPECT_EQ(acao(R"({"type": "edValor"})"), "steps[0].operator[0]: \"type\" needs a \"text\"");
    EXPECT_EQ(acao(R"({"select": "lb"})"), "steps[0].operator[0]: \"select\" needs an \"index\" >= 0");
    EXPECT_EQ(acao(R"({"messageBox": "maybe"})"),
              "steps[0].operator[0].messageBox: one of \"yes\", \"no\", \"ok\", \"cancel\"");
    EXPECT_EQ(acao(R"({"click": "b", "contains": "x"})"),
              "steps[0].operator[0]: \"contains\" without \"messageBox\" or \"expect\"");
    EXPECT_EQ(acao(R"({"click": "b", "focused": true})"), "steps[0].operator[0]: \"focused\" without \"expect\"");
    EXPECT_EQ(acao(R"({"expect": "lb", "enabled": 1})"), "steps[0].operator[0].enabled: not a boolean");
    EXPECT_EQ(acao(R"({"expect": "lb", "items": "a"})"), "steps[0].operator[0].items: not a list");
    EXPECT_EQ(acao(R"({"expect": "lb", "message": "130"})"), "steps[0].operator[0].message: a message number");
    EXPECT_TRUE(acao(R"({"key": "F13"})").startsWith("steps[0].operator[0].key:"));
    EXPECT_TRUE(acao(R"({"key": "Return"})").startsWith("steps[0].operator[0].key:"));
    EXPECT_EQ(acao(R"({"expectClosed": false})"), "steps[0].operator[0].expectClosed: true");
    EXPECT_EQ(acao(R"({"shot": "../fora"})"), "steps[0].operator[0].shot: a plain file name");
}

TEST(RunnerCenario, ExpectedDocumentMatcher) {
    const QJsonObject r = Json(R"({"ok": true, "fields": {"1009": "0", "1027": "APROVADA"},
                                   "errors": [{"code": 255, "text": "a"}, {"code": 1, "text": "b"}],
                                   "forms": [], "n": 1.0})");
    QString onde;
    EXPECT_TRUE(Contem(Json(R"({"fields": {"1009": "0"}, "n": 1})"), r, onde)) << onde.toStdString();
    EXPECT_TRUE(Contem(Json(R"({"errors": [{"code": 255}]})"), r, onde)); // prefix
    EXPECT_TRUE(Contem(Json(R"({"fields": {"10263": null}, "absent": null})"), r, onde));

    EXPECT_FALSE(Contem(Json(R"({"fields": {"1027": null}})"), r, onde));
    EXPECT_EQ(onde, "$.fields.1027: \"APROVADA\", expected absent");
    EXPECT_FALSE(Contem(Json(R"({"errors": [{"code": 255}, {"text": "c"}]})"), r, onde));
    EXPECT_EQ(onde, "$.errors[1].text: \"b\", expected \"c\"");
    EXPECT_FALSE(Contem(Json(R"({"errors": [{}, {}, {}]})"), r, onde));
    EXPECT_EQ(onde, "$.errors[2]: absent, expected {}");
    EXPECT_FALSE(Contem(Json(R"({"errors": {"$exact": [{"code": 255}]}})"), r, onde));
    EXPECT_EQ(onde, "$.errors: 2 elements, expected exactly 1");
    EXPECT_TRUE(Contem(Json(R"({"forms": {"$exact": []}})"), r, onde));
    EXPECT_FALSE(Contem(Json(R"({"fields": []})"), r, onde));
    EXPECT_FALSE(Contem(Json(R"({"steps": []})"), r, onde));
    EXPECT_EQ(onde, "$.steps: absent, expected []");

    // A document that does not mention "ok" wants a run that reached its end.
    QJsonObject falhou = r;
    falhou["ok"] = false;
    EXPECT_FALSE(ConfereEsperado(Json(R"({"fields": {}})"), falhou, onde));
    EXPECT_EQ(onde, "$.ok: false, expected true");
    EXPECT_TRUE(ConfereEsperado(Json(R"({"ok": false})"), falhou, onde));
}
