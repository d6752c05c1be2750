#include "estado.h"
#include "framework/Modelokora.h"
#include "platform.h"

#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {

// A form that fails in a button's handler or, when asked, in its activation step.
class TFrmFalha : public TFrmMod {
public:
    QPushButton* btFalha = nullptr;
    static inline bool falhaAoAtivar = false;

    TFrmFalha() {
        setObjectName(QStringLiteral("FrmFalha"));
        btFalha = new QPushButton(QStringLiteral("&1 - Falha"), this);
        Liga(btFalha, &QPushButton::clicked, [] { throw std::runtime_error("falha do clique"); });
    }
    void FormActivate() override {
        TFrmMod::FormActivate();
        if (falhaAoAtivar) throw std::runtime_error("falha da ativacao");
    }
};

int Auditadas(const QString& trecho) {
    int n = 0;
    for (const auto& linha : hostsim::estado().audit) n += linha.toString().contains(trecho) ? 1 : 0;
    return n;
}

// Runs the form modally; `acao` acts once the loop runs. A fault cannot hang the suite.
int Executa(TFrmFalha* f, std::function<void()> acao) {
    QTimer::singleShot(0, f, std::move(acao));
    QTimer::singleShot(3000, f, [f] { f->done(99); });
    return f->exec();
}

TEST(FronteiraExcecao, AnExceptionInAHandlerOrAnEventRefusesTheRequestOnceAndClosesTheForm) {
    Plataforma::GaranteAplicacao();
    for (const bool naAtivacao : {false, true}) {
        SCOPED_TRACE(naAtivacao ? "activation" : "click");
        hostsim::estado().reinicia();
        TFrmFalha::falhaAoAtivar = naAtivacao;
        std::unique_ptr<TFrmFalha> f(TFrmMod::CriaForm<TFrmFalha>());
        const int r = Executa(f.get(), [&f, naAtivacao] {
            if (!naAtivacao) f->btFalha->click();
        });
        EXPECT_EQ(r, mrOk);
        ASSERT_EQ(hostsim::estado().erros.size(), 1);
        EXPECT_EQ(hostsim::estado().erros[0].toObject().value("code").toInt(), 255);
        const QString oque = naAtivacao ? "falha da ativacao" : "falha do clique";
        EXPECT_EQ(Auditadas("Kora41 - FrmFalha: excecao [" + oque + "]; requisicao recusada"), 1);
    }
    TFrmFalha::falhaAoAtivar = false;
}

} // namespace
