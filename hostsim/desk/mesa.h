// The desk: a window from which a person runs the module's requests by hand
// against the simulated host, answers the pinpad and the acquirer live,
// watches the host's state and saves what was done as a scenario.
#pragma once
#include "gravador.h"

#include <QJsonObject>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <optional>
#include <memory>

class QCheckBox;
class QComboBox;
class QEventLoop;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTemporaryDir;
class QTreeWidget;

namespace hostsim {
struct Requisicao;
}

namespace hostsim::desk {

struct OpcoesMesa {
    QString modulo;  // empty: libKora41.so beside hostsim
    QString diario;  // where the recording is kept as it grows (empty: nowhere)
    QString aviso;   // shown on top: why the desk was started again
    QString dirHost; // the host's folder, kept (empty: a temporary one)
};

class Mesa : public QMainWindow {
public:
    explicit Mesa(const OpcoesMesa& opcoes);
    ~Mesa() override;

    // Prepares a fresh host and loads the module (Initialize included).
    bool Carrega(QString& erro);
    // The recording as a scenario; written to `caminho` (never a full card number).
    QJsonObject Cenario() const { return grav_.Cenario(); }
    bool SalvaCenario(const QString& caminho, QString& erro) const;

    // Calls an entry point as the Call button does.
    void Chama(const QString& funcao, int arg) { Executa(QJsonObject{{"call", funcao}, {"arg", arg}}); }
    bool emChamada() const { return emChamada_; }
    // The pinpad or acquirer operation that waits for the person, if any.
    QString aguardando() const { return aguardando_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void MontaTela();
    QWidget* PainelEntradas();
    QWidget* PainelCartao();
    QWidget* PainelPinpad();
    QWidget* PainelAdquirente();
    QWidget* PainelCatalogo();

    void Executa(const QJsonObject& passo);
    void EscreveCampo(int campo, const QByteArray& valor);
    void Insere(const QString& modo);
    void AplicaCatalogo();
    void TeclaPinpad(const QString& tecla);
    void Decide(const QJsonObject& resposta, const QString& descricao);
    QJsonObject RespostaAprovada();
    QJsonObject RespostaRegras(const Requisicao& req);

    std::optional<QJsonValue> RespondeAoVivo(const QString& operacao);
    std::optional<QJsonObject> DecideAdquirente(const Requisicao& req);
    void Espera(const QString& oque);
    void OuveEscolhas(QWidget* form);

    void Atualiza();
    void Registra(const QString& linha);
    void GravaDiario(const QString& emCurso = {}) const;

    OpcoesMesa op_;
    Gravador grav_;
    std::unique_ptr<QTemporaryDir> dirHost_;
    void* lib_ = nullptr;
    bool emChamada_ = false, fechando_ = false;
    QString aguardando_;
    QPointer<QEventLoop> laco_;
    int respostaPinpad_ = 0;
    QString digitos_;
    std::optional<QJsonObject> respostaAdquirente_, proximaResposta_;
    uint32_t sequencia_ = 0;
    // Key and mouse events travel up to the parents; each is recorded once.
    const QEvent* ultimoEvento_ = nullptr;
    QPointer<QWidget> ultimoAlvo_;
    QStringList caixas_;
    qsizetype vistos_[5] = {};
    size_t assinaturaCampos_ = 0;

    QLabel *lbAviso_, *lbCartao_, *lbVisor1_, *lbVisor2_, *lbAdqEstado_;
    QComboBox *cbEntrada_, *cbFuncao_, *cbForm_, *cbCartao_;
    QSpinBox *spArg_, *spPendente_;
    QLineEdit *edPan_, *edValidade_, *edCodigo_, *edInterino_, *edCampo_, *edValorCampo_;
    QCheckBox *ckPinManual_, *ckAdqManual_, *ckHexa_;
    QPushButton *btChama_, *btAbre_, *btSalva_, *btGravaCampo_;
    QTableWidget *tbCampos_, *tbArquivos_, *tbCatalogo_;
    QTreeWidget* trRequisicoes_;
    QPlainTextEdit *txAudit_, *txPinpad_, *txCaixas_, *txEventos_;
};

// `hostsim desk`: a supervising process that runs the desk in a child and
// starts it again, with the reason shown, when the module brings it down.
int Desk(const QString& modulo);

} // namespace hostsim::desk
