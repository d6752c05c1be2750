// The transaction form model: amount entry, confirm and cancel buttons, the
// fixed confirm path and the authorization that follows it. Every form that
// sends a request to the acquirer derives from it and changes single steps.
#pragma once
#include "framework/Modelokora.h"
#include "transacao.h"

#include <QByteArray>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

#define KORA_API __attribute__((visibility("default")))

class KORA_API TFrmTrn_Mod : public TFrmMod {
    Q_OBJECT
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
    // Returns true when the key was swallowed; `tecla` may be rewritten.
    bool FormKeyPress(char& tecla);
    virtual void btConfirmaClick();
    void btRetornaClick();
    void btConfirmaEnter();
    void btRetornaEnter();
    void edValorEnter();
    // The formatter and key filter shared by every amount edit of a form.
    void edValorChange(QLineEdit* sender);
    bool edValorKeyPress(QLineEdit* sender, char& tecla);
    void TCliqueTimer();

    // Binds the amount handlers to another amount edit of a descendant.
    void LigaEditValor(QLineEdit* ed);

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;
    // The authorization and what follows it; always ends the form with 1.
    void EtapaAutorizacao();
    // Steps of the confirm path that are not virtual in the base form; kept
    // behind virtual seams so the order can be observed.
    virtual bool PassoProcessaCartao();
    virtual bool PassoObtemDadosEmv();
    virtual bool PassoFormataDadosCartaoPinpad();
    // Closes with `resultado`, like setting a modal result.
    void Encerra(int resultado);
    bool Encerrado() const { return resultadoPendente_ != 0; }

private:
    int resultadoPendente_ = 0;
    bool repassandoTecla_ = false;
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
// The workstation's decimal separator as the host's Dollar writes it.
KORA_API QChar SeparadorDecimal();
// Reads a Dollar text as a number; false when it does not convert.
KORA_API bool ConverteValor(const QString& texto, double& valor);
