// The instalment debits' count limits, the merchant-financed closed-month
// rule and the key filters of their edits.
#include "Camposkora.h"
#include "debit/Debitoparcsentkora.h"
#include "test_module_host.h"
#include "transaction/Descritoreskora.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

using namespace TesteHost;

class DebitoLoja : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
        Grava(CAMPO_VALOR_TRANSACAO, "90000");
        Grava(CAMPO_INTERVALO_PARCELAS, "30");
    }
};

TEST_F(DebitoLoja, ClosedMonthOnlyWithMonthlyInstalmentsAndKeyFilters) {
    Grava(CAMPO_MODOS_OPERACAO, "101");
    std::unique_ptr<TFrmSEnt_ParLoja> f(TFrmSEnt_ParLoja::Cria());
    f->show();
    EXPECT_EQ(f->edMesFechado->text(), "0") << "second operation mode";
    f->edIntervaloParcelas->setText(QStringLiteral("30"));
    EXPECT_TRUE(f->edMesFechado->isEnabled());

    f->edIntervaloParcelas->clear();
    f->edIntervaloParcelas->setFocus();
    QTest::keyClicks(f->edIntervaloParcelas, QStringLiteral("4a5"));
    EXPECT_EQ(f->edIntervaloParcelas->text(), "45");
    f->edIntervaloParcelas->setText(QStringLiteral("30"));
    f->edMesFechado->clear();
    f->edMesFechado->setFocus();
    QTest::keyClicks(f->edMesFechado, QStringLiteral("2x1"));
    EXPECT_EQ(f->edMesFechado->text(), "1");
    f->edNumParcelas->setFocus();
    QTest::keyClicks(f->edNumParcelas, QStringLiteral("1-2"));
    EXPECT_EQ(f->edNumParcelas->text(), "12");
}

TEST_F(DebitoLoja, CountLimitsComeFromTheHostAndTheIntervalMustBeANumber) {
    Grava(CAMPO_PARCELAS_MINIMO, "3");
    Grava(CAMPO_PARCELAS_MAXIMO, "6");
    Caixas caixas;
    std::unique_ptr<TFrmSEnt_ParLoja> f(TFrmSEnt_ParLoja::Cria());
    f->show();
    for (const char* n : {"2", "7"}) {
        f->edNumParcelas->setText(QLatin1String(n));
        EXPECT_FALSE(f->ValidaCamposForm()) << n;
        EXPECT_TRUE(f->edNumParcelas->text().isEmpty());
    }
    EXPECT_EQ(caixas.textos, QStringList({M(1177), M(320)}));
    f->edNumParcelas->setText(QStringLiteral("6"));
    EXPECT_TRUE(f->ValidaCamposForm());
    f->edIntervaloParcelas->setText(QStringLiteral("0"));
    EXPECT_FALSE(f->ValidaCamposForm());
    EXPECT_EQ(caixas.textos.size(), 2) << "no message of its own";
}

TEST_F(DebitoLoja, BaseLimitsHaveAFloorOfTwoAndADefaultOfNinetyNine) {
    Grava(CAMPO_PARCELAS_MINIMO, "1");
    Grava(CAMPO_PARCELAS_MAXIMO, "x");
    Caixas caixas;
    std::unique_ptr<TFrmPar_Deb> f(TFrmPar_Deb::Cria());
    f->show();
    f->edValor->setText(QStringLiteral("100"));
    f->edNumParcelas->setText(QStringLiteral("1"));
    EXPECT_FALSE(f->ValidaCamposForm());
    f->edNumParcelas->setText(QStringLiteral("99"));
    EXPECT_TRUE(f->ValidaCamposForm());
    // A count the caller fixed is shown and locked.
    Grava(CAMPO_QTD_PARCELAS, "5");
    f->IniciaCamposForm();
    EXPECT_EQ(f->edNumParcelas->text(), "5");
    EXPECT_FALSE(f->edNumParcelas->isEnabled());
}

} // namespace
