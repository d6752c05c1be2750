#include "runner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

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
                     "responseServices": [{"letter": "Q", "text": "039000"}]} ],
      "steps": [ {"call": "ExecutaVenda", "handle": 7, "arg": 82, "fields": {"1003": "100"},
                  "script": {"ObtemConfirmacao": [9]}, "acquirer": [{"noReply": true}],
                  "operator": [ {"form": "FrmVis_Deb", "timeout": 2000}, {"type": "edValor", "text": "12,34"},
                                {"key": "F10"}, {"key": "9"}, {"click": "btConfirma"},
                                {"select": "cbListaVias", "index": 2}, {"messageBox": "yes", "contains": "x"},
                                {"wait": 200}, {"shot": "tela"}, {"expectClosed": true} ] } ]
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
    EXPECT_EQ(Valida(R"({"host": {"files": {"../x": ""}}, "steps": []})"), "host.files.../x: a plain file name");
}

TEST(RunnerCenario, OperatorActionsAreCheckedOneByOne) {
    auto acao = [](const char* a) {
        return ValidaCenario(Json((QByteArray(R"({"steps": [{"call": "ExecutaVenda", "operator": [)") + a + "]}]}")
                                      .constData()));
    };
    EXPECT_TRUE(acao(R"({"click": "a", "type": "b", "text": "1"})").startsWith("steps[0].operator[0]: one action"));
    EXPECT_EQ(acao(R"({"type": "edValor"})"), "steps[0].operator[0]: \"type\" needs a \"text\"");
    EXPECT_EQ(acao(R"({"select": "lb"})"), "steps[0].operator[0]: \"select\" needs an \"index\" >= 0");
    EXPECT_EQ(acao(R"({"messageBox": "maybe"})"),
              "steps[0].operator[0].messageBox: one of \"yes\", \"no\", \"ok\", \"cancel\"");
    EXPECT_EQ(acao(R"({"click": "b", "contains": "x"})"), "steps[0].operator[0]: \"contains\" without \"messageBox\"");
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
