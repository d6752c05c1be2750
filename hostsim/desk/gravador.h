// What a person does at the desk, kept as a scenario that `hostsim run`
// replays: the host as it stood at the first call, then one step per call
// with the fields changed by hand before it, the answers given on the pinpad
// and acquirer panels and the operator's actions on the module's windows.
#pragma once
#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

namespace hostsim::desk {

class Gravador {
public:
    // The host's set-up that no field shows (clock, ini files, card switches).
    void DefineHost(const QJsonObject& host, const QString& agora);
    // A field written by hand: before the first call it is part of the host,
    // afterwards of the next step.
    void Campo(int campo, int indice, const QByteArray& valor);
    // The first call also fixes the host: the whole field store as it is.
    void IniciaChamada(const QJsonObject& passo, const QJsonObject& camposHost);
    void Acao(const QJsonObject& acao);
    // Keys typed into one control make one "type" action.
    void Digita(const QString& controle, const QString& texto);
    void Resposta(const QString& operacao, const QJsonValue& valor);
    void Adquirente(const QJsonObject& resposta);
    void FimChamada();

    bool emChamada() const { return emChamada_; }
    int passos() const { return int(passos_.size()); }
    // The scenario with every card number replaced (see CenarioSeguro).
    QJsonObject Cenario() const;
    // Back to a recording made from a saved scenario (after a restart).
    void Restaura(const QJsonObject& cenario);

private:
    QJsonObject host_, pendentes_, passo_;
    QJsonArray passos_;
    QString agora_;
    bool iniciado_ = false, emChamada_ = false;
};

// A card number of 13 to 19 digits becomes a number with the same first six
// and last four digits, zeros between them and a wrong check digit: the host
// files mask it to the same text, no card has it, and the number typed never
// reaches the saved scenario. Track data after the number keep their expiry
// and service code; the holder's name and the discretionary data change.
QByteArray SubstituiCartao(const QByteArray& texto);
// The scenario with SubstituiCartao applied to the card-data fields and to
// the texts typed on the module's windows; a security code (field 10149, a
// text typed into a control named for it) keeps its length, not its digits.
QJsonObject CenarioSeguro(const QJsonObject& cenario);
// A scenario as a file holds it: indented, an object or list of plain values
// that fits on a line on one line (so each operator action has its own).
QByteArray TextoCenario(const QJsonObject& cenario);

} // namespace hostsim::desk
