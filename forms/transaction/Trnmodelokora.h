// The transaction form model: amount entry, confirm and cancel buttons, the
// fixed confirm path and the authorization that follows it. Every form that
// sends a request to the acquirer derives from it and changes single steps.
#pragma once
#include "framework/Modelokora.h"
#include "transacao.h"
#include "transaction/Conversaomoedakora.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class TFrmTrn_Mod : public TFrmMod {
public:
    static TFrmTrn_Mod* Cria();
    explicit TFrmTrn_Mod(QWidget* parent = nullptr);
    ~TFrmTrn_Mod() override;

    // ---- Controls ----------------------------------------------------------
    QFrame* pnCaptura = nullptr;
    QFrame* pnBotoes = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btRetorna = nullptr;
    QLineEdit* edValor = nullptr;
    QLabel* lbValor = nullptr;
    QTimer* TClique = nullptr;
    QFrame* pnlMsgOper = nullptr;
    QLabel* lbMsg = nullptr;

    bool bPermiteAlterarDados = false;

    // ---- Virtual steps -----------------------------------------------------
    bool VerificaCapturaSenha() override;
    bool GravaCamposPontal() override;
    virtual bool ValidaCamposForm();
    virtual bool VerificaCapturaDadosAdicionais();
    virtual bool VerificaAutorizaTransacao();
    virtual void IniciaCamposForm();
    virtual bool VerificaConfirmacaoValorPinpad();
    virtual void VerificaGravaCamposTrnAprovada();
    virtual bool VerificaConverteMoeda();
    virtual int ExecutaConsultaConversaoMoeda();

    // ---- Event handlers ----------------------------------------------------
    void FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    // Sees every key before the focused control. True when the key was
    // swallowed; `tecla` may come back translated.
    bool FormKeyPress(char& tecla);
    virtual void btConfirmaClick();
    void btRetornaClick();
    // Formatter and key filter of every amount edit of the form.
    void edValorChange(QLineEdit* sender);
    // True when the key was swallowed; `tecla` may come back rewritten.
    bool edValorKeyPress(QLineEdit* sender, char& tecla);
    void TCliqueTimer();

    // Binds the amount handlers to another amount edit of a descendant.
    void LigaEditValor(QLineEdit* ed) override;

protected:
    bool FiltraEvento(QObject* obj, QEvent* ev) override;
    // The authorization and what follows it; always ends the form with 1.
    void EtapaAutorizacao();
    // Steps of the confirm path that the base form does not make virtual,
    // behind seams of their own so the order can be observed.
    virtual bool PassoProcessaCartao();
    virtual bool PassoObtemDadosEmv();
    virtual bool PassoFormataDadosCartaoPinpad();
    // Ends the form with `resultado`; the last call wins, as with a modal result.
    void Encerra(int resultado);
    bool Encerrado() const;
    void HabilitaControles(bool habilita);
    // What the currency-conversion steps need of this form.
    Conversaomoedakora::TFormConversao FormConversao();
    // The confirm path, from the button or the timer, one at a time.
    void Confirma();

private:
    int resultadoPendente_ = 0;
    bool repassandoTecla_ = false;
    bool formatando_ = false;
    QList<QLineEdit*> editsValor_;
};

extern TFrmTrn_Mod* FrmTrn_Mod;
// Whether FormKeyPress turns Enter into a move to the next control.
extern bool bControlaKeyPreview;

// ---- Unit routines -------------------------------------------------------------
// Sum of the amount fields (1003, 10151, 10198 and, when asked, 10150) as digits.
QString SomaValores(bool bIncluiSaque);
// Builds the card-data record into field 10104; the status of that write.
int16_t GravaTrilhas(int codigoMensagem);
bool FormataDadosCartaoPinpad();
// Asks the pinpad data collection for the PIN; false when the store refused it.
bool SetaCapturaSenha();
void TrocaZeroBinarioArroba(char* buffer, int ignorado, int tamanho);
void VerificaTrataValorMenorDesconto();
// The workstation's decimal separator, as the host's Dollar writes it.
QChar SeparadorDecimal();
// Reads an amount as shown on screen; false when it is not a number.
bool ConverteValor(const QString& texto, double& valor);
// The refusal of an instalment count typed as `texto`: message 1177 when it
// is missing or below `minimo`, 320 above `maximo`, 0 when it stands.
int RecusaContagemParcelas(const QString& texto, int minimo, int maximo);
