// The base form, its tagged chip data, the menu model and the operator-return
// form: what no scenario reaches yet.
#include "Camposkora.h"
#include "Contextokora.h"
#include "cancel/Cancelamentosemregistrologtrn.h"
#include "framework/Galeriakora.h"
#include "framework/Menumodelokora.h"
#include "framework/Modelokora.h"
#include "framework/Retornooperador6b.h"
#include "test_module_host.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <set>

namespace {

using namespace TesteHost;

const unsigned char* B(const QByteArray& a) { return reinterpret_cast<const unsigned char*>(a.constData()); }

// Ends whatever modal loop is still open after `ms`, so a fault cannot hang the suite.
void Salvaguarda(QDialog* d, int ms = 3000) {
    QTimer::singleShot(ms, d, [d] { d->done(99); });
}

using Framework = HostTest;

// ---- Tagged chip data ---------------------------------------------------------------

TEST_F(Framework, ProcuraCampoCopiesKnownTagsWithinTheirBounds) {
    std::unique_ptr<TFrmMod> f(TFrmMod::Cria());
    // The two known keys copied are the debit-chip-* scenarios; other keys write nothing.
    const QByteArray d = QByteArray("002:A1B2", 9) + QByteArray("009:xx", 7);
    f->ProcuraCampo("009:", B(d), int(d.size()), 1024);
    EXPECT_TRUE(Host().campos.todos().empty());

    // A value with no zero byte before the end of the data is not taken.
    const QByteArray sem = "002:AB006:Y1XXXXXXXX";
    f->ProcuraCampo("006:", B(sem), int(sem.size()), 1024);
    EXPECT_FALSE(Existe(CAMPO_RESPOSTA_CHIP));
    // A key within the last five bytes is never compared.
    const QByteArray fim = QByteArray("00000000006:", 12) + QByteArray(1, '\0');
    f->ProcuraCampo("006:", B(fim), int(fim.size()), 1024);
    EXPECT_FALSE(Existe(CAMPO_RESPOSTA_CHIP));
    // A length beyond the buffer is cut at the stated capacity.
    const QByteArray curto = QByteArray("006:00", 7);
    f->ProcuraCampo("006:", B(curto), 5000, int(curto.size()));
    EXPECT_EQ(Le(CAMPO_RESPOSTA_CHIP), "00");
    EXPECT_TRUE(Audit().contains("ModeloKora - ProcuraCampo - TamDados: 5000, TamVariaveis: 1025"));
    // The terminating zero must lie inside the capacity too.
    Host().campos.limpaTudo();
    f->ProcuraCampo("006:", B(curto), 5000, 6);
    EXPECT_FALSE(Existe(CAMPO_RESPOSTA_CHIP));
    f->ProcuraCampo("006:", B(curto), -3, 1024);
    f->ProcuraCampo("006:", nullptr, 10, 1024);
    EXPECT_FALSE(Existe(CAMPO_RESPOSTA_CHIP));
}

// ---- PIN and chip ---------------------------------------------------------------------

TEST_F(Framework, ChipDataFromThePinpad) {
    std::unique_ptr<TFrmMod> f(TFrmMod::Cria());
    // An unknown operation type needs no chip data; typed cards and the data kept are the debit-chip-* scenarios.
    Grava(CAMPO_TIPO_OPERACAO_CARTAO, "3");
    EXPECT_TRUE(f->VerificaObtemDadosEmv());
    EXPECT_TRUE(Chamadas("ObtemDadosKora").empty());

    Grava(CAMPO_TIPO_OPERACAO_CARTAO, "1");
    Grava(CAMPO_VALOR_SAQUE, " 1.234,56 ");
    Produto.dados[OffProduto::TIPO_PRODUTO_CHIP] = '3';
    Roteiro("ObtemDadosKora", {QJsonObject{{"result", 0}}});
    EXPECT_TRUE(f->VerificaObtemDadosEmv());
    EXPECT_EQ(Chamadas("ObtemDadosKora").at(0), (QJsonArray{3, "123456"}));

    Produto.dados[OffProduto::TIPO_PRODUTO_CHIP] = 'x';
    EXPECT_TRUE(f->VerificaObtemDadosEmv());
    EXPECT_EQ(Chamadas("ObtemDadosKora").at(1).at(0), 0);
}

// ---- Cancellation ---------------------------------------------------------------------

TEST_F(Framework, CancellationConfirmationShowsMaskedCardAndDate) {
    std::unique_ptr<TFrmMod> f(TFrmMod::Cria());
    Grava(CAMPO_TIPO_OPERACAO_CARTAO, "1");
    Grava(CAMPO_TRILHA2, "CMT:4761739001010119=25121010000012345678");
    Grava(CAMPO_DATA_ORIGINAL, "06122026");
    Grava(CAMPO_NSU_ORIGINAL, "123456");
    Caixas caixas{QMessageBox::Yes, QMessageBox::No};
    EXPECT_TRUE(f->ConfirmaFormataCancelamento(true));
    const QString texto = caixas.textos.value(0);
    EXPECT_TRUE(texto.contains("476173-0119") && texto.contains("06/12/26")) << texto.toStdString();
    EXPECT_TRUE(texto.contains("123456") && texto.contains(M(2583)));
    EXPECT_FALSE(texto.contains("4761739001010119"));
    EXPECT_EQ(Arquivos(), 0);

    // Typed data without a separator: the last four digits end the text.
    Grava(CAMPO_TIPO_OPERACAO_CARTAO, "2");
    Grava(CAMPO_CARTAO_DIGITADO, "5555444433331111");
    EXPECT_FALSE(f->ConfirmaFormataCancelamento(true));
    EXPECT_EQ(Arquivos(), 1);
    EXPECT_EQ(f->result(), mrOk);
}

class FormAtivacoes : public TFrmMod {
public:
    int ativacoes = 0;
    void FormActivate() override { ++ativacoes; }
};

TEST_F(Framework, MessageBoxDoesNotCountAsANewActivation) {
    std::unique_ptr<FormAtivacoes> f(TFrmMod::CriaForm<FormAtivacoes>());
    f->show();
    QApplication::processEvents();
    ASSERT_EQ(f->ativacoes, 1);
    Caixas caixas;
    f->CaixaMensagem("aviso", Plataforma::MB_OK, Plataforma::Icone::Informacao);
    QApplication::processEvents();
    EXPECT_TRUE(f->isActiveWindow());
    EXPECT_EQ(f->ativacoes, 1);

    std::unique_ptr<TFrmMod> outro(TFrmMod::Cria());
    QTimer::singleShot(0, outro.get(), [&] { outro->FechaForm(mrCancel); });
    outro->exec();
    QApplication::processEvents();
    EXPECT_EQ(f->ativacoes, 2);
}

// A confirm that opens a child is still running when the child closes and
// the form is activated again; its auto-confirm must not start a second one.
class CancelaComFilho : public TFrmCanc_SemRegLogTrn {
public:
    int confirmacoes = 0;
    bool ValidaCamposForm() override { return true; }
    void btConfirmaClick() override {
        // Bounded, so that a fault fails the test instead of recursing.
        if (++confirmacoes < 4) FormActivate();
        QTest::qWait(20);
    }

protected:
    AutoConfirma ModoAutoConfirma() const override { return AutoConfirma::Sempre; }
};

TEST_F(Framework, AutoConfirmDoesNotReenterARunningConfirm) {
    std::unique_ptr<CancelaComFilho> f(TFrmMod::CriaForm<CancelaComFilho>());
    f->show();
    QTest::qWait(20);
    EXPECT_EQ(f->confirmacoes, 1);
    f->btConfirma->click();
    QTest::qWait(20);
    EXPECT_EQ(f->confirmacoes, 2);
}

// ---- Menus ----------------------------------------------------------------------------

class MenuTeste : public TFrmMnu_Mod {
public:
    int opcoes = 3;
    std::set<int> habilitadas{1, 2, 3};
    int ativacoes = 0;
    std::vector<int> escolhas;
    std::function<void(int)> aoEscolher;
    MenuTeste() {
        setObjectName("FrmMnu_Teste");
        for (int i = 1; i <= MAX_OPCOES_MENU; ++i)
            QObject::connect(Opcao(i), &QPushButton::clicked, this, [this, i] {
                escolhas.push_back(i);
                if (aoEscolher) aoEscolher(i);
            });
    }
    void IniciaFormularioMenu() override {
        ++ativacoes;
        for (int i = 1; i <= MAX_OPCOES_MENU; ++i) Opcao(i)->setVisible(i <= opcoes);
    }
    void VerificaOpcoesHabilitadas() override {
        for (int i = 1; i <= MAX_OPCOES_MENU; ++i) Opcao(i)->setEnabled(habilitadas.count(i) != 0);
    }
};

TEST_F(Framework, MenuWithoutOptionsClosesItselfAndReports) {
    std::unique_ptr<MenuTeste> m(TFrmMod::CriaForm<MenuTeste>());
    m->habilitadas = {};
    Salvaguarda(m.get());
    QElapsedTimer relogio;
    relogio.start();
    EXPECT_EQ(m->exec(), mrOk);
    EXPECT_LT(relogio.elapsed(), 1000);
    EXPECT_EQ(Erros(), (std::vector<std::pair<int, QString>>{{255, M(993)}}));
    EXPECT_TRUE(m->escolhas.empty());
}

TEST_F(Framework, MenuDigitsChooseOptionsAndNineCloses) {
    std::unique_ptr<MenuTeste> m(TFrmMod::CriaForm<MenuTeste>());
    m->habilitadas = {1, 3};
    // A menu shown again forgets a blank instalment count typed before it.
    ParcelasIntPosVazia = true;
    m->show();
    QApplication::processEvents();
    EXPECT_FALSE(ParcelasIntPosVazia);
    QWidget* foco = m->focusWidget() ? m->focusWidget() : m.get();
    QTest::keyClick(foco, Qt::Key_3);
    QTest::keyClick(foco, Qt::Key_2); // disabled
    QTest::keyClick(foco, Qt::Key_5); // hidden
    EXPECT_EQ(m->escolhas, std::vector<int>{3});
    QTest::keyClick(m.get(), Qt::Key_9);
    EXPECT_EQ(m->result(), mrCancel);
}

TEST_F(Framework, MenuLockDiscardsQueuedKeysAndUnlockReenables) {
    std::unique_ptr<MenuTeste> m(TFrmMod::CriaForm<MenuTeste>());
    m->show();
    QApplication::processEvents();
    QCoreApplication::postEvent(m.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, "1"));
    m->HabilitaDesabilitaBotoes(false);
    EXPECT_EQ(m->lbMensagem->text(), M(43));
    for (int i = 1; i <= 8; ++i) EXPECT_FALSE(m->Opcao(i)->isEnabled());
    EXPECT_FALSE(m->spEncerra->isEnabled());
    m->HabilitaDesabilitaBotoes(true);
    QApplication::processEvents();
    EXPECT_TRUE(m->escolhas.empty());
    EXPECT_EQ(m->lbMensagem->text(), M(21));
    EXPECT_TRUE(m->spOpcao2->isEnabled());
    EXPECT_TRUE(m->spEncerra->isEnabled());
    EXPECT_EQ(QApplication::focusWidget() ? QApplication::focusWidget() : m->focusWidget(), m->spOpcao1);
}

// The single-option click of a menu activated again while its option runs
// (the option's form has just closed, its result not yet applied).
class MenuUnico : public TFrmMnu_Mod {
public:
    int corridas = 0;
    MenuUnico() {
        Opcoes = {{.texto = "Unica", .nomeForm = "FrmUnica", .habilitada = {}, .executa = [this](TFrmMnu_Mod*) {
                       ++corridas;
                       FormActivate();
                       QTest::qWait(40);
                       done(mrOk);
                       return true;
                   }}};
    }
};

TEST_F(Framework, MenuDoesNotRunItsOnlyOptionAgainWhileItRuns) {
    std::unique_ptr<MenuUnico> m(TFrmMod::CriaForm<MenuUnico>());
    Salvaguarda(m.get());
    EXPECT_EQ(m->exec(), mrOk);
    EXPECT_EQ(m->corridas, 1);
}

// ---- Operator return --------------------------------------------------------------------

TEST_F(Framework, OperatorReturnShowsEveryLineSplitAtAt) {
    Grava(CAMPO_TEXTO_OPERADOR, "  TRANSACAO APROVADA  ");
    Grava(CAMPO_QTD_LINHAS_RETORNO, "3");
    Grava(CAMPO_LINHAS_RETORNO, QByteArray("PRIMEIRA LINHA\0", 15), 0);
    Grava(CAMPO_LINHAS_RETORNO, "SEGUNDA@TERCEIRA", 1);
    Grava(CAMPO_LINHAS_RETORNO, QByteArray(256, 'x'), 2);
    std::unique_ptr<TFrmRetorno_Opr> f(TFrmRetorno_Opr::Cria());
    f->show();
    QApplication::processEvents();
    EXPECT_EQ(f->MemoRetornoOpr->toPlainText(), "PRIMEIRA LINHA\nSEGUNDA\nTERCEIRA\n" + QString(256, 'x'));
    EXPECT_EQ(f->lbMensagem->text(), "TRANSACAO APROVADA");
    f->btRetorna->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f->lbMensagem->text(), M(48));
    f->btRetorna->click();
    EXPECT_EQ(f->result(), mrCancel);
    // No line count (or none readable): an empty memo.
    for (const char* qtd : {"0", "x1"}) {
        Grava(CAMPO_QTD_LINHAS_RETORNO, qtd);
        f->show();
        EXPECT_TRUE(f->MemoRetornoOpr->toPlainText().isEmpty()) << qtd;
        f->hide();
    }
}

// ---- Gallery ------------------------------------------------------------------------------

TEST_F(Framework, GallerySavesOnePicturePerRegisteredForm) {
    QTemporaryDir dir;
    EXPECT_EQ(GeraGaleria(nullptr), -1);
    const QStringList nomes = FormsGaleria();
    for (const char* n : {"FrmMod", "FrmMnu_Mod", "FrmRetorno_Opr"}) EXPECT_TRUE(nomes.contains(n)) << n;
    EXPECT_EQ(GeraGaleria(dir.path().toLocal8Bit().constData()), nomes.size());
    for (const QString& n : nomes) {
        QImage img(QDir(dir.path()).filePath(n + ".png"));
        EXPECT_EQ(img.height(), ALTURA_FORM) << n.toStdString();
        EXPECT_GE(img.width(), LARGURA_FORM) << n.toStdString();
    }
}

} // namespace
