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

#define KORA_API __attribute__((visibility("default")))

class KORA_API TFrmTrn_Mod : public TFrmMod {
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
    void btConfirmaEnter();
    void btRetornaEnter();
    void edValorEnter();
    // Formatter and key filter of every amount edit of the form.
    void edValorChange(QLineEdit* sender);
    // True when the key was swallowed; `tecla` may come back rewritten.
    bool edValorKeyPress(QLineEdit* sender, char& tecla);
    void TCliqueTimer();

    // Binds the amount handlers to another amount edit of a descendant.
    void LigaEditValor(QLineEdit* ed) override;

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;
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

private:
    int resultadoPendente_ = 0;
    bool repassandoTecla_ = false;
    bool formatando_ = false;
    QList<QLineEdit*> editsValor_;
};

extern KORA_API TFrmTrn_Mod* FrmTrn_Mod;
// Whether FormKeyPress turns Enter into a move to the next control.
extern KORA_API bool bControlaKeyPreview;

// ---- Unit routines -------------------------------------------------------------
// Sum of the amount fields (1003, 10151, 10198 and, when asked, 10150) as digits.
KORA_API QString SomaValores(bool bIncluiSaque);
// Builds the card-data record into field 10104; the status of that write.
KORA_API int16_t GravaTrilhas(int codigoMensagem);
KORA_API bool FormataDadosCartaoPinpad();
KORA_API void SetaCapturaSenha();
KORA_API void TrocaZeroBinarioArroba(char* buffer, int ignorado, int tamanho);
KORA_API void VerificaTrataValorMenorDesconto();
// The workstation's decimal separator, as the host's Dollar writes it.
KORA_API QChar SeparadorDecimal();
// Reads an amount as shown on screen; false when it is not a number.
KORA_API bool ConverteValor(const QString& texto, double& valor);

// ---- Field access as the transaction forms use it ----------------------------
namespace CamposTrn {
// Raw bytes of element `indice`, at most `maximo`; empty when absent.
KORA_API QByteArray LeBytes(int campo, int maximo = 1024, int indice = 0);
// The field as text, up to its first zero byte (Latin-1).
KORA_API QString Le(int campo);
// The trimmed field as a whole number; -1 when empty or not a number.
KORA_API int LeNumero(int campo);
KORA_API bool Grava(int campo, const QString& texto);
KORA_API bool GravaBytes(int campo, const QByteArray& bytes, int indice = 0);
KORA_API void Limpa(int campo);
// Trim as the host's texts need it: every byte up to blank at both ends.
KORA_API QByteArray Apara(const QByteArray& b);
} // namespace CamposTrn
