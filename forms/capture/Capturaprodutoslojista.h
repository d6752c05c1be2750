// Dialog in which the operator itemizes the sale: picks the merchant's goods
// of the selected product, types their figures, and confirms them all into
// one field. Closes with 2 when the operator confirms, 1 when he returns.
#pragma once
#include "capture/Capturaregras.h"
#include "framework/Modelokora.h"

#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// One line of the goods list and what the operator gave for it.
struct TListaProdutoLojista {
    int linha = 0;   // line of cbProdutos
    int item = 0;    // index of the L item
    int produto = 0; // index of the good within the item
    Captura::TEntradaLojista entrada;
};

class TFrmCap_ProdLoj : public TFrmMod {
public:
    explicit TFrmCap_ProdLoj(QWidget* pai = nullptr);
    static TFrmCap_ProdLoj* Cria();

    QFrame* pnBotoes = nullptr;
    QPushButton* btConfirma = nullptr;
    QPushButton* btRetorna = nullptr;
    QFrame* pnCaptura = nullptr;
    QComboBox* cbProdutos = nullptr;
    QLabel* lbProduto = nullptr;
    QLabel* lbQuantidade = nullptr;
    QLineEdit* edQuantidade = nullptr;
    QLabel* lbValorUnitario = nullptr;
    QLineEdit* edValorUnitario = nullptr;
    QLabel* lbImposto = nullptr;
    QLineEdit* edImposto = nullptr;
    QLabel* lbValorTotal = nullptr;
    QLineEdit* edValorTotal = nullptr;
    QLabel* lbUnidade = nullptr;

    // Fills the goods list of the selected product; true when one was listed.
    bool DisponibilizaProdutosLojistaSelecao();
    bool GravaCamposPontal() override;
    void IniciaCamposForm();
    void TrataMapaBits(char c);
    void CalculaValorTotal();
    void ValidaCamposProduto();
    void GravaProdutosLojista();
    void VerificaProdutosGravados();
    void DesabilitaCampos();

    void FormCreate() override;
    void FormShow() override;

    void btConfirmaClick();
    void btRetornaClick();

protected:
    bool FiltraEvento(QObject* obj, QEvent* ev) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void cbProdutosChange();
    bool cbProdutosKeyPress(QKeyEvent* ev);
    bool FiguraKeyPress(QLineEdit* ed, QKeyEvent* ev);
    void FiguraEnter(QObject* obj);
    void Dica(int mensagem);
    // The selected good's source entry, nullptr with no line selected.
    const Captura::TProdutoLojista* BemSelecionado() const;
    TListaProdutoLojista* RegistroSelecionado();
    // Moves to the first enabled figure among `seguintes`; false when none.
    bool ProximaFigura(std::initializer_list<QLineEdit*> seguintes);

    // The goods as listed, line by line, beside ListaProdutosLojista.
    std::vector<Captura::TProdutoLojista> bens_;
};

extern std::vector<TListaProdutoLojista> ListaProdutosLojista;
extern std::vector<Captura::TItemEnvio> ProdutosLojista;
extern TFrmCap_ProdLoj* FrmCap_ProdLoj;
