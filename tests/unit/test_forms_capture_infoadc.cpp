// Additional-information dialog driven through its widgets: pages of five,
// checks by data type, double entry, and the exact bytes of field 10221.
#include "Camposkora.h"
#include "capture/Capturainformacoesadicionais.h"
#include "test_forms_capture_comum.h"
#include "test_module_host.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

using namespace TesteCaptura;

struct Q {
    const char* codigo; // 7 characters: code and both qualifiers
    int min, max;
    char dupla, tipo;
    const char* texto;
};

QByteArray Registro(const Q& q) {
    QByteArray r = QByteArray(q.codigo).leftJustified(7, '0', true);
    r += QByteArray::number(q.min).rightJustified(2, '0') + QByteArray::number(q.max).rightJustified(2, '0');
    r += q.dupla;
    r += q.tipo;
    r += QByteArray(q.texto).leftJustified(41, ' ', true);
    return r;
}

// The questions of group `grupo`; earlier groups belong to other products.
void Questoes(std::initializer_list<Q> qs, int grupo = 0) {
    ServicoE.limpa();
    for (int g = 0; g <= grupo; ++g) {
        TDadosServicoE d;
        if (g == grupo)
            for (const Q& q : qs) d.produtos.push_back({Registro(q)});
        else
            d.produtos.push_back({Registro({"9990000", 1, 5, '0', '0', "OUTRO PRODUTO"})});
        d.quantidade = int(d.produtos.size());
        ServicoE.dados.push_back(d);
    }
    ServicoE.quantidade = grupo + 1;
}

class InfoAdc : public TesteHost::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        SelecionaProduto();
    }
    void TearDown() override {
        form.reset();
        ServicoE.limpa();
        HostTest::TearDown();
    }
    TFrmCap_InfoAdc* Abre() {
        form.reset(TFrmCap_InfoAdc::Cria());
        EXPECT_TRUE(form->ObtemDescricaoProdutos());
        EXPECT_TRUE(Mostra(form.get()));
        return form.get();
    }
    QLineEdit* Ed(int i) { return form->edProdEspecial[i]; }
    void Responde(int i, const QString& texto) {
        Reativa();
        Ed(i)->setFocus();
        Digita(texto);
        Tecla(Qt::Key_Return);
    }
    QByteArray Campo10221() { return TesteHost::Host().campos.le(CAMPO_INFORMACOES_ADICIONAIS, 0); }

    std::unique_ptr<TFrmCap_InfoAdc> form;
};

TEST_F(InfoAdc, SeteQuestoesEmDuasPaginasEOCampoExato) {
    Questoes({{"0010102", 1, 10, '0', '0', "Q1"},
              {"0020000", 1, 10, '0', '2', "Q2"},
              {"0030000", 1, 10, '0', '0', "Q3"},
              {"0040000", 0, 10, '0', '0', "Q4"},
              {"0050000", 1, 10, '0', '6', "Q5"},
              {"0060000", 1, 12, '0', '4', "Q6"},
              {"0070000", 1, 10, '0', '1', "Q7"}});
    Abre();
    EXPECT_EQ(form->Pagina(), 1);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(Ed(i)->isVisible()) << i;
    EXPECT_EQ(form->lbProdEspecial[0]->text(), QStringLiteral("Q1:"));
    EXPECT_EQ(Foco(), Ed(0));
    EXPECT_EQ(form->lbMensagem->text(), (TesteHost::M(1043) + QStringLiteral(" Q1 ") + TesteHost::M(1042)));

    Responde(0, QStringLiteral("ab 1"));
    EXPECT_EQ(Ed(0)->text(), QStringLiteral("AB 1")); // upper case edit
    EXPECT_EQ(Foco(), Ed(1));                         // Enter moves on
    Responde(1, QStringLiteral("12x3"));
    EXPECT_EQ(Ed(1)->text(), QStringLiteral("123")); // digits only
    Responde(2, QStringLiteral("c"));
    Responde(4, QStringLiteral("e")); // Q4 has minimum 0 and stays empty
    form->btConfirma->click();

    EXPECT_EQ(form->Pagina(), 2);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(Ed(0)->isVisible() && Ed(1)->isVisible());
    EXPECT_FALSE(Ed(2)->isVisibleTo(form.get()));
    EXPECT_EQ(Ed(0)->text(), QString()); // nothing of page 1 left behind
    EXPECT_EQ(form->lbProdEspecial[0]->text(), QStringLiteral("Q6:"));
    Responde(0, QStringLiteral("1234"));
    EXPECT_EQ(Ed(0)->text(), QStringLiteral("12,34"));
    Responde(1, QStringLiteral("g"));
    EXPECT_FALSE(TesteHost::Host().campos.existe(CAMPO_INFORMACOES_ADICIONAIS)); // only after the last page
    form->btConfirma->click();

    EXPECT_EQ(form->result(), 2);
    EXPECT_EQ(Campo10221(), QByteArray("7;"
                                       "00101020AB 1;"
                                       "00200002123;"
                                       "00300000C;"
                                       "00400000;"
                                       "00500006E;"
                                       "006000041234;"
                                       "00700001G;"));
}

TEST_F(InfoAdc, QuestaoSemTextoNaoEntraEGrupoDoProdutoSelecionado) {
    SelecionaProduto(1); // the selected product is the second of the table
    Questoes({{"0010000", 1, 5, '0', '0', ""}, {"0020000", 1, 5, '0', '0', "SO ESTA"}}, 1);
    Abre();
    EXPECT_EQ(ProdutosEspeciais.size(), 1u);
    EXPECT_EQ(form->lbProdEspecial[0]->text(), QStringLiteral("SO ESTA:"));
    EXPECT_FALSE(Ed(1)->isVisibleTo(form.get()));

    Questoes({{"0010000", 1, 5, '0', '0', "OUTRA"}}, 0); // no group at the product's position
    std::unique_ptr<TFrmCap_InfoAdc> f(TFrmCap_InfoAdc::Cria());
    EXPECT_FALSE(f->ObtemDescricaoProdutos());
}

// A second typing that differs is scenario credit-info-adicionais.
TEST_F(InfoAdc, DuplaDigitacao) {
    Questoes({{"0010000", 3, 8, '1', '2', "PEDIDO"}, {"0020000", 1, 5, '0', '0', "OBS"}});
    TesteHost::Caixas caixas;
    Abre();

    Responde(0, QStringLiteral("1234"));
    Responde(0, QStringLiteral("1234"));
    EXPECT_EQ(Foco(), Ed(1));
    EXPECT_EQ(ProdutoEspecialDD.at(0), '1');

    // Entering the answer again takes its confirmation away.
    Reativa();
    Ed(0)->setFocus();
    EXPECT_EQ(ProdutoEspecialDD.at(0), '0');
    Responde(1, QStringLiteral("x"));
    form->btConfirma->click();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Foco(), Ed(0));
    EXPECT_TRUE(caixas.textos.isEmpty()); // no message for an unconfirmed answer

    Tecla(Qt::Key_Return); // the answer still shown counts as the first typing
    Digita(QStringLiteral("1234"));
    Tecla(Qt::Key_Return);
    EXPECT_EQ(ProdutoEspecialDD.at(0), '1');
    form->btConfirma->click();
    EXPECT_EQ(form->result(), 2);
    EXPECT_EQ(Campo10221(), QByteArray("2;00100002"
                                       "1234;00200000X;"));
}

TEST_F(InfoAdc, Datas) {
    Questoes({{"0010000", 6, 8, '0', '5', "DATA"}});
    TesteHost::Caixas caixas;
    const struct {
        const char* digitos;
        bool aceita;
    } casos[] = {{"31122026", true}, {"3112202", false}, {"310426", false}, {"29022027", false}, {"29022028", true}};
    for (const auto& c : casos) {
        caixas.textos.clear();
        Abre();
        Responde(0, QString::fromLatin1(c.digitos));
        form->btConfirma->click();
        if (c.aceita) {
            EXPECT_EQ(form->result(), 2) << c.digitos;
            EXPECT_TRUE(caixas.textos.isEmpty()) << c.digitos;
            EXPECT_EQ(Campo10221(), QByteArray("1;00100005") + c.digitos + ";");
        } else {
            EXPECT_EQ(caixas.textos, QStringList{TesteHost::M(787)}) << c.digitos;
            EXPECT_EQ(Ed(0)->text(), QString()) << c.digitos;
            EXPECT_TRUE(form->btConfirma->isEnabled());
            EXPECT_TRUE(form->isVisible());
        }
    }
}

TEST_F(InfoAdc, ValoresELimites) {
    Questoes({{"0010000", 1, 6, '0', '4', "VALOR"},
              {"0020000", 3, 5, '0', '0', "NOME"},
              {"0030000", 0, 5, '0', '4', "GORJETA"}});
    TesteHost::Caixas caixas;
    Abre();

    Responde(0, QStringLiteral("0"));
    Responde(1, QStringLiteral("abc"));
    form->btConfirma->click();
    EXPECT_EQ(Foco(), Ed(0)); // a zero amount: focus back, no message
    EXPECT_TRUE(caixas.textos.isEmpty());

    Ed(0)->clear();
    Responde(0, QStringLiteral("12,5.9999999")); // separators are the format's own; six digits at most
    EXPECT_EQ(Ed(0)->text(), QStringLiteral("1.259,99"));
    Ed(1)->clear();
    Responde(1, QStringLiteral("ab"));
    form->btConfirma->click();
    EXPECT_EQ(Foco(), Ed(1)); // shorter than the minimum
    EXPECT_EQ(caixas.textos, QStringList{TesteHost::M(1041)});
    EXPECT_EQ(caixas.icones.value(0), QMessageBox::Information);

    Responde(1, QStringLiteral("c"));
    form->btConfirma->click(); // the empty optional amount passes
    EXPECT_EQ(form->result(), 2);
    EXPECT_EQ(Campo10221(), QByteArray("3;00100004125999;00200000ABC;00300004;"));
}

} // namespace
