// The operator of a scenario: plays the actions of each step from a timer
// while the module's modal loops run, and keeps the list of every module form
// and message box that was shown.
#pragma once
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

class QDialog;
class QWidget;

namespace hostsim::runner {

class Operador : public QObject {
public:
    // `shots`: folder of the PNGs; `batimento`: a pipe that hears from the
    // timer while the event loop runs and something still happens (-1: none);
    // `vigiaSegundos`: how long a call may go on with nothing happening.
    Operador(const QString& shots, int batimento, int vigiaSegundos = 60);
    ~Operador() override;

    // The actions of the call that is about to be made.
    void Passo(const QString& nome, const QJsonArray& acoes);
    // The call returned: what is left is a failure, except expectClosed.
    void FimDoPasso();
    void Falha(const QString& porque);
    // Closes whatever the module left open (used after a failure).
    void FechaTudo();

    QString falha;
    QJsonArray forms, caixas;
    QStringList fotos;
    std::function<void()> aoMudar; // a form or a box was shown or hidden

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    struct Aberto {
        QPointer<QDialog> dialogo;
        int indice;
        bool caixa;
    };
    void Tique();
    bool Tenta(const QJsonObject& acao);
    QWidget* Ativa() const;
    QDialog* FormDoTopo() const;
    bool Confere(const QJsonObject& acao);
    QWidget* Controle(QWidget* janela, const QString& nome);
    void Depois(std::function<void()> f);
    bool FormAberto() const;
    void Descarta();

    QString shots_;
    int batimento_;
    QTimer relogio_;
    QElapsedTimer desdeBatimento_;
    QString passo_;
    QJsonArray acoes_;
    int atual_ = 0;
    int formsDesde_ = 0; // forms shown since the previous action start here
    bool emChamada_ = false, pendente_ = false;
    int vigiaMs_;
    QElapsedTimer inicioAcao_, ocioso_, progresso_;
    QString motivo_; // why the current action cannot be done yet
    QList<Aberto> abertos_;
};

} // namespace hostsim::runner
