// Merchant-goods dialog driven through its widgets: the list of the selected
// product, the figures each good's map enables, the total, recorded goods
// shown again, and the exact bytes of field 10222.
#include "Camposkora.h"
#include "bromo.h"
#include "capture/Capturaprodutoslojista.h"
#include "test_forms_capture_comum.h"
#include "test_module_host.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

using namespace TesteCaptura;

QByteArray Bem(const char* codigo, const char* unidade, unsigned char mapa, const char* descricao) {
    return QByteArray(codigo) + QByteArray(unidade).leftJustified(4, ' ') + char(mapa) +
           QByteArray(descricao).leftJustified(41, ' ');
}

// Field map: quantity 0x80, total 0x40, unit value 0x20, tax 0x10.
constexpr unsigned char SO_QTDE = 0x80, TUDO = 0xF0, QTDE_UNIT_TOTAL = 0xE0;

void Itens(std::vector<QByteArray> bens, int codigo = 1, int posicao = 0) {
    ServicoL.limpa();
    for (int i = 0; i <= posicao; ++i) {
        TDadosServicoL item;
        item.codigo = i == posicao ? codigo : 1;
        item.flag = 'F';
        item.reservado = i == posicao ? "ABCD" : "ZZZZ";
        if (i == posicao)
            for (const QByteArray& b : bens) item.produtos.push_back({b});
        else
            item.produtos.push_back({Bem("9999", "UN", SO_QTDE, "DE OUTRO PRODUTO")});
        item.quantidade = int(item.produtos.size());
        ServicoL.itens.push_back(item);
    }
    ServicoL.quantidade = posicao + 1;
}

class ProdLoj : public TesteHost::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        SelecionaProduto();
        Itens({Bem("0101", "UN", SO_QTDE, "ARROZ"), Bem("0102", "KG", TUDO, "CAFE"),
               Bem("0103", "LT", QTDE_UNIT_TOTAL, "OLEO")});
    }
    void TearDown() override {
        form.reset();
        ServicoL.limpa();
        HostTest::TearDown();
    }
    TFrmCap_ProdLoj* Abre() {
        form.reset(TFrmCap_ProdLoj::Cria());
        EXPECT_TRUE(form->DisponibilizaProdutosLojistaSelecao());
        EXPECT_TRUE(Mostra(form.get()));
        return form.get();
    }
    void Seleciona(int linha) {
        form->cbProdutos->setFocus();
        form->cbProdutos->setCurrentIndex(linha);
        Tecla(Qt::Key_Return);
    }
    void Finaliza() {
        form->cbProdutos->setFocus();
        Tecla(Qt::Key_Return); // no line selected: the way to the confirm button
        ASSERT_EQ(Foco(), form->btConfirma);
        Tecla(Qt::Key_Return);
    }

    std::unique_ptr<TFrmCap_ProdLoj> form;
};

// The item stands at the product's position in the table and must be of code 01.
TEST_F(ProdLoj, ListaDoProdutoSelecionado) {
    SelecionaProduto(1);
    Itens({Bem("0201", "UN", SO_QTDE, "FEIJAO")}, 1, 1);
    std::unique_ptr<TFrmCap_ProdLoj> f(TFrmCap_ProdLoj::Cria());
    ASSERT_TRUE(f->DisponibilizaProdutosLojistaSelecao());
    EXPECT_EQ(f->cbProdutos->itemText(0), QStringLiteral("0201 - FEIJAO"));
    Itens({Bem("0201", "UN", SO_QTDE, "FEIJAO")}, 2, 1);
    EXPECT_FALSE(f->DisponibilizaProdutosLojistaSelecao());
    Itens({}, 1, 1);
    EXPECT_FALSE(f->DisponibilizaProdutosLojistaSelecao());
    Itens({Bem("0201", "UN", SO_QTDE, "FEIJAO")}, 1, 0);
    EXPECT_FALSE(f->DisponibilizaProdutosLojistaSelecao());
}

TEST_F(ProdLoj, TotalEImpostoEZeroRecusado) {
    Abre();
    Seleciona(1);
    Digita(QStringLiteral("0"));
    Tecla(Qt::Key_Return);
    EXPECT_EQ(Foco(), form->edValorUnitario); // moves on: only the focused figure is checked later
    Digita(QStringLiteral("150"));
    EXPECT_EQ(form->edValorUnitario->text(), QStringLiteral("1,50"));
    Tecla(Qt::Key_Return);
    EXPECT_EQ(RemoveFormato(form->edValorTotal->text()), QStringLiteral("000")); // 0 x 1,50
    EXPECT_EQ(Foco(), form->edImposto);

    form->edQuantidade->setFocus();
    form->edQuantidade->setText(QStringLiteral("3"));
    form->edValorUnitario->setFocus();
    Tecla(Qt::Key_Return);
    Digita(QStringLiteral("0"));
    Tecla(Qt::Key_Return);
    EXPECT_EQ(Foco(), form->edValorTotal); // a zero tax stays for now: the total comes next
    form->edImposto->setFocus();
    form->edImposto->clear();
    Digita(QStringLiteral("1.2"));
    EXPECT_EQ(form->edImposto->text(), QStringLiteral("0,12"));
    Tecla(Qt::Key_Return);
    EXPECT_EQ(form->edValorTotal->text(), QStringLiteral("4,50")); // the tax never enters the total
    Tecla(Qt::Key_Return);
    EXPECT_EQ(form->cbProdutos->currentIndex(), -1);

    // Shown again when selected: quantity without its zeros.
    Seleciona(1);
    EXPECT_EQ(form->edQuantidade->text(), QStringLiteral("3"));
    EXPECT_EQ(form->edValorUnitario->text(), QStringLiteral("1,50"));
    EXPECT_EQ(form->edImposto->text(), QStringLiteral("0,12"));
    EXPECT_EQ(form->edValorTotal->text(), QStringLiteral("4,50"));
}

TEST_F(ProdLoj, FiguraVaziaOuZeroNaoGrava) {
    Abre();
    Seleciona(0);
    Tecla(Qt::Key_Return);
    EXPECT_EQ(Foco(), form->edQuantidade);
    Digita(QStringLiteral("00"));
    Tecla(Qt::Key_Return);
    EXPECT_EQ(Foco(), form->edQuantidade);
    EXPECT_EQ(form->cbProdutos->currentIndex(), 0);
    EXPECT_FALSE(ListaProdutosLojista[0].entrada.gravado);

    // Escape leaves the good unrecorded.
    Digita(QStringLiteral("5"));
    Tecla(Qt::Key_Escape);
    EXPECT_EQ(form->cbProdutos->currentIndex(), -1);
    EXPECT_EQ(form->edQuantidade->text(), QString());
    EXPECT_FALSE(ListaProdutosLojista[0].entrada.gravado);
    Finaliza();
    EXPECT_EQ(form->result(), 2);
    EXPECT_FALSE(TesteHost::Existe(CAMPO_PRODUTOS_LOJISTA)); // no good recorded, no field
}

TEST_F(ProdLoj, TeclasDoisEOitoPercorremALista) {
    Abre();
    form->cbProdutos->setFocus();
    Digita(QStringLiteral("2"));
    EXPECT_EQ(form->cbProdutos->currentIndex(), 0);
    Digita(QStringLiteral("22"));
    EXPECT_EQ(form->cbProdutos->currentIndex(), 2);
    Digita(QStringLiteral("2"));
    EXPECT_EQ(form->cbProdutos->currentIndex(), 2);
    Digita(QStringLiteral("8"));
    EXPECT_EQ(form->cbProdutos->currentIndex(), 1);
    EXPECT_EQ(form->lbMensagem->text(), (TesteHost::M(2588) + QStringLiteral(" / ") + TesteHost::M(1449)));
    EXPECT_TRUE(form->edImposto->isEnabled());
    Digita(QStringLiteral("888"));
    EXPECT_EQ(form->cbProdutos->currentIndex(), 0);
    EXPECT_FALSE(form->edImposto->isEnabled());
}

} // namespace
