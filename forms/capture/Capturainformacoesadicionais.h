// Dialog of the additional information some products require with each sale:
// the acquirer's questions for the selected product, five to a page, each
// answer checked by its data type, all answers sent in one field.
// Closes with 2 when the operator confirms the last page, 1 when he returns.
#pragma once
#include "capture/Capturaregras.h"
#include "framework/Modelokora.h"

#include <QByteArray>
#include <QString>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TFrmCap_InfoAdc : public TFrmMod {
public:
    explicit TFrmCap_InfoAdc(QWidget* pai = nullptr);
    static TFrmCap_InfoAdc* Cria();

    static constexpr int POSICOES = Captura::QUESTOES_POR_PAGINA;

    QFrame* pnCaptura = nullptr;
    QLabel* lbProdEspecial[POSICOES] = {};
    QLineEdit* edProdEspecial[POSICOES] = {};
    QFrame* pnBotoes = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btRetorna = nullptr;

    // Builds the questions of the selected product; true when there is one.
    bool ObtemDescricaoProdutos();
    void IniciaCamposForm();
    void MontaDescricaoProdutos();
    bool ValidaCamposForm();
    void GravaDadosTela();
    bool GravaCamposPontal() override;

    void FormCreate() override;
    void FormShow() override;

    void btConfirmaClick();
    void btRetornaClick();

    int Pagina() const { return nPagina; }

protected:
    bool FiltraEvento(QObject* obj, QEvent* ev) override;

private:
    void edProdEspecial1Enter(QLineEdit* ed);
    void edProdEspecial1Exit(QLineEdit* ed);
    // True when the key was dealt with here (swallowed or replaced).
    bool edProdEspecial1KeyPress(QLineEdit* ed, QKeyEvent* ev);
    void edProdEspecial1Change(QLineEdit* ed);
    // Question shown at an edit's position, nullptr when none.
    const Captura::TProdutoEspecial* Questao(const QLineEdit* ed) const;
    int Indice(const QLineEdit* ed) const;
    void MostraDica(QLineEdit* ed, int mensagem);
    void HabilitaControles(bool sim);

    int nProdutoAtual = 0;
    int nPagina = 0;
    int nInicioPagina = 0;
};

// The questions of the selected product and their answers as sent.
extern std::vector<Captura::TProdutoEspecial> ProdutosEspeciais;
extern std::vector<Captura::TInfoAdicional> InfoAdicionais;
// First typing of a double-entry answer, empty while none is pending.
extern QString ProdutoEspecial;
// Per page position: "1" once its double-entry answer has been confirmed.
extern QByteArray ProdutoEspecialDD;

extern TFrmCap_InfoAdc* FrmCap_InfoAdc;
