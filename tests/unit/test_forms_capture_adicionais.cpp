// The confirm-path step that opens the capture dialogs: which dialogs open,
// in what order, and what leaving one does to the transaction form.
#include "Camposkora.h"
#include "capture/Capturaadicionais.h"
#include "capture/Capturainformacoesadicionais.h"
#include "capture/Capturaprodutoslojista.h"
#include "test_forms_capture_comum.h"
#include "test_module_host.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using namespace TesteCaptura;

void UmaQuestao() {
    ServicoE.limpa();
    TDadosServicoE g;
    g.produtos.push_back({QByteArray("0010000") +
                          "0105"
                          "0"
                          "0" +
                          QByteArray("PEDIDO").leftJustified(41, ' ')});
    g.quantidade = 1;
    ServicoE.dados.push_back(g);
    ServicoE.quantidade = 1;
}

void UmBem() {
    ServicoL.limpa();
    TDadosServicoL item;
    item.codigo = 1;
    item.flag = '1';
    item.reservado = "0001";
    item.produtos.push_back({QByteArray("0101UN  ") + char(0x80) + QByteArray("ARROZ").leftJustified(41, ' ')});
    item.quantidade = 1;
    ServicoL.itens.push_back(item);
    ServicoL.quantidade = 1;
}

class Adicionais : public TesteHost::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        SelecionaProduto();
        ServicoE.limpa();
        ServicoL.limpa();
    }
    void TearDown() override {
        ServicoE.limpa();
        ServicoL.limpa();
        HostTest::TearDown();
    }
    bool Executa() {
        return CapturaAdicionais::VerificaCapturaDadosAdicionais([this](int r) { fechou.push_back(r); });
    }
    QStringList Criados() const { return TesteHost::Audit().filter(QStringLiteral("Criou: ")); }
    std::vector<int> fechou;
};

TEST_F(Adicionais, SemTabelasNenhumDialogo) {
    EXPECT_TRUE(Executa());
    EXPECT_TRUE(Criados().isEmpty());
    // A table for another product: the dialog is made but never shown.
    UmaQuestao();
    SelecionaProduto(1);
    EXPECT_TRUE(Executa());
    EXPECT_EQ(Criados(), QStringList{QStringLiteral("Criou: FrmCap_InfoAdc")});
    EXPECT_EQ(FrmCap_InfoAdc, nullptr);
    EXPECT_TRUE(fechou.empty());
}

TEST_F(Adicionais, AsDuasEmOrdemConfirmadas) {
    UmaQuestao();
    UmBem();
    QuandoAbrir(QStringLiteral("FrmCap_InfoAdc"), [](QDialog* d) {
        auto* f = static_cast<TFrmCap_InfoAdc*>(d);
        f->edProdEspecial[0]->setFocus();
        QTest::keyClicks(f->edProdEspecial[0], QStringLiteral("x1"));
        f->btConfirma->click();
        QuandoAbrir(QStringLiteral("FrmCap_ProdLoj"), [](QDialog* d2) {
            auto* p = static_cast<TFrmCap_ProdLoj*>(d2);
            p->cbProdutos->setCurrentIndex(0);
            p->edQuantidade->setFocus();
            QTest::keyClicks(p->edQuantidade, QStringLiteral("2"));
            QTest::keyClick(p->edQuantidade, Qt::Key_Return);
            p->btConfirma->setEnabled(true);
            p->btConfirma->click();
        });
    });
    EXPECT_TRUE(Executa());
    EXPECT_TRUE(fechou.empty());
    EXPECT_EQ(Criados(),
              (QStringList{QStringLiteral("Criou: FrmCap_InfoAdc"), QStringLiteral("Criou: FrmCap_ProdLoj")}));
    EXPECT_EQ(TesteHost::Host().campos.le(CAMPO_INFORMACOES_ADICIONAIS, 0), QByteArray("1;00100000X1;"));
    EXPECT_EQ(TesteHost::Host().campos.le(CAMPO_PRODUTOS_LOJISTA, 0).left(13),
              QByteArray("1;100010101") + char(0x80) + "0");
    EXPECT_EQ(FrmCap_InfoAdc, nullptr);
    EXPECT_EQ(FrmCap_ProdLoj, nullptr);
    EXPECT_TRUE(TesteHost::Audit().contains(QStringLiteral("Destruiu: FrmCap_ProdLoj")));
}

} // namespace
