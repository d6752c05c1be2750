// The simulated host as the module and form tests see it, set up the way a
// scenario sets it: field store, scripts, acquirer queue and journal, in a
// temporary host directory, with no point-of-sale position enabled.
#pragma once
#include "Servicoskora.h"
#include "estado.h"
#include "hostlib.h"
#include "platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>
#include <vector>

namespace TesteHost {

inline hostsim::Estado& Host() { return hostsim::estado(); }
inline void Grava(uint16_t campo, const QByteArray& v, uint16_t indice = 0) { Host().campos.grava(campo, indice, v); }
inline QByteArray Le(uint16_t campo, uint16_t indice = 0) { return Host().campos.le(campo, indice); }
inline bool Existe(uint16_t campo, uint16_t indice = 0) { return Host().campos.existe(campo, indice); }
// The text the host's message table gives the module for message `n`.
inline QString M(int n) { return hostsim::TextoMensagem(n); }

inline void Roteiro(const char* op, const QJsonArray& respostas) { Host().roteiro.acrescenta(op, respostas); }
// Queues an acquirer reply that writes these fields.
inline void Resposta(std::initializer_list<std::pair<int, const char*>> campos) {
    QJsonObject f;
    for (auto [c, v] : campos) f.insert(QString::number(c), QString::fromLatin1(v));
    Host().respostasAdquirente.append(QJsonObject{{"fields", f}});
}
inline int Requisicoes() { return int(Host().requisicoes.size()); }
// What request `n` carried for `campo` (the first entry of that field).
inline QByteArray Enviado(int n, int campo, int indice = 0) {
    for (const QJsonValue& e : Host().requisicoes.at(n).toObject().value("entries").toArray())
        if (e["field"].toInt() == campo && e["index"].toInt() == indice) return e["value"].toString().toLatin1();
    return "<absent>";
}
inline int Arquivos() { return int(Host().arquivos.size()); }
inline QStringList Audit() {
    QStringList l;
    for (const QJsonValue& v : Host().audit) l << v.toString();
    return l;
}
inline std::vector<std::pair<int, QString>> Erros() {
    std::vector<std::pair<int, QString>> e;
    for (const QJsonValue& v : Host().erros) e.emplace_back(v["code"].toInt(), v["text"].toString());
    return e;
}
// The argument lists of each call of `op`, in order.
inline std::vector<QJsonArray> Chamadas(const char* op) {
    std::vector<QJsonArray> c;
    for (const QJsonValue& v : Host().chamadas)
        if (v["op"].toString() == QLatin1String(op)) c.push_back(v["args"].toArray());
    return c;
}
// Texts shown at the pinpad by `op`.
inline QStringList Pinpad(const char* op) {
    QStringList l;
    for (const QJsonValue& v : Host().pinpad)
        if (v["op"].toString() == QLatin1String(op)) l << v["text"].toString();
    return l;
}

// Answers every message box while alive, with the queued buttons and then
// OK, keeping their texts and icons.
class Caixas {
public:
    explicit Caixas(std::initializer_list<QMessageBox::StandardButton> r = {}) : respostas(r) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            textos << box->text();
            icones << box->icon();
            const auto botao = respostas.empty() ? QMessageBox::Ok : respostas.front();
            if (!respostas.empty()) respostas.pop_front();
            if (QAbstractButton* b = box->button(botao))
                b->click();
            else
                box->done(botao);
        });
        timer_.start();
    }
    std::deque<QMessageBox::StandardButton> respostas;
    QStringList textos;
    QList<QMessageBox::Icon> icones;

private:
    QTimer timer_;
};

class HostTest : public ::testing::Test {
protected:
    void SetUp() override {
        Plataforma::GaranteAplicacao();
        ASSERT_TRUE(dir.isValid());
        Plataforma::DefineDiretorioHost(dir.path());
        Host().reinicia();
        Host().posicoesPdv = std::set<int>{};
        Produto.limpa();
    }
    void TearDown() override {
        Host().reinicia();
        Plataforma::DefineAgora({});
        Plataforma::DefineDiretorioHost({});
    }
    QTemporaryDir dir;
};

} // namespace TesteHost
