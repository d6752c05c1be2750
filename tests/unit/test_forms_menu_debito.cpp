// The administrative debit menu, which no entry point opens: its one option
// runs the fee form or the CDC consultation by the product's fee flags, with
// the coupon to be printed.
#include "Servicoskora.h"
#include "debit/Menudebitoadmkora.h"
#include "framework/Galeriakora.h"
#include "framework/Menumodelokora.h"
#include "test_module_host.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace TesteHost;

class MenuDebitoAdm : public HostTest {
protected:
    // Opens the menu; the first form the option shows is recorded and ended with OK.
    QString AbreMenu(int& resultado) {
        QString aberto;
        QTimer t;
        t.setInterval(10);
        QObject::connect(&t, &QTimer::timeout, [&] {
            auto* f = dynamic_cast<TFrmMod*>(QApplication::activeModalWidget());
            if (!f || f->objectName() == QLatin1String("FrmDebAdm_Mnu") || !aberto.isEmpty()) return;
            aberto = f->objectName();
            f->FechaForm(mrOk);
        });
        t.start();
        resultado = AbreFormRegistrado("FrmDebAdm_Mnu");
        return aberto;
    }
};

TEST_F(MenuDebitoAdm, OptionRunsTheFeeFormOrTheConsultationAndAsksForTheCoupon) {
    std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
    ImprimeCupom = false;
    int r = 0;
    EXPECT_EQ(AbreMenu(r), "FrmCon_ParAdm");
    EXPECT_EQ(r, mrOk) << "the child's OK closes the menu";
    EXPECT_TRUE(ImprimeCupom);

    for (int taxa : {OffProduto::TAXA_SERVICO, OffProduto::TAXA_EMBARQUE}) {
        std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
        Produto.dados[taxa] = '1';
        EXPECT_EQ(AbreMenu(r), "FrmColeta_Taxas") << taxa;
    }
}

} // namespace
