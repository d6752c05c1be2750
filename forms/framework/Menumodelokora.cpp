#include "Menumodelokora.h"

#include "Controleskora.h"
#include "Galeriakora.h"

#include "Contextokora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "platform.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

bool ImprimeCupom = false;
bool ParcelasIntPosVazia = false;
TFrmMnu_Mod* FrmMnu_Mod = nullptr;

namespace {
constexpr int ALTURA_OPCAO = 28;
constexpr int LARGURA_OPCAO = 140;

bool EhTecla(const QEvent* e) {
    return e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease || e->type() == QEvent::ShortcutOverride;
}

// Swallows every key event the application delivers while it is installed.
class DescartaTeclas : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* e) override { return EhTecla(e); }
};
} // namespace

TFrmMnu_Mod::TFrmMnu_Mod(QWidget* pai) : TFrmMod(pai) {
    setObjectName(QStringLiteral("FrmMnu_Mod"));

    Controles(this).Painel(pnMenu, "pnMenu", this, {30, 113, 142, 253}, Ctl::Rebaixado, QColor(0xD4, 0xD4, 0xD4));
    QPushButton** opcoes[MAX_OPCOES_MENU] = {&spOpcao1, &spOpcao2, &spOpcao3, &spOpcao4,
                                             &spOpcao5, &spOpcao6, &spOpcao7, &spOpcao8};
    static const char* const nomes[MAX_OPCOES_MENU] = {"spOpcao1", "spOpcao2", "spOpcao3", "spOpcao4",
                                                       "spOpcao5", "spOpcao6", "spOpcao7", "spOpcao8"};
    for (int i = 0; i < MAX_OPCOES_MENU; ++i) {
        const QByteArray texto = QStringLiteral("&%1 - Opção %1").arg(i + 1).toUtf8();
        Controles(this).Botao(*opcoes[i], nomes[i], pnMenu, {1, 1 + ALTURA_OPCAO * i, LARGURA_OPCAO, ALTURA_OPCAO},
                              texto.constData(), {.estilo = Ctl::Oculto});
        Liga(*opcoes[i], &QPushButton::clicked, [this, i] { AcaoExclusiva([this, i] { OpcaoClick(i + 1); }); });
    }
    Controles(this)
        .Botao(spEncerra, "spEncerra", pnMenu, {1, 225, LARGURA_OPCAO, ALTURA_OPCAO}, "&9 - Encerra")
        .Temporizador(TClick, "TClick", 10);
    Liga(spEncerra, &QPushButton::clicked, [this] { spEncerraClick(); });
    Liga(TClick, &QTimer::timeout, [this] { TClickTimer(); });
}

QPushButton* TFrmMnu_Mod::Opcao(int n) const {
    switch (n) {
    case 1: return spOpcao1;
    case 2: return spOpcao2;
    case 3: return spOpcao3;
    case 4: return spOpcao4;
    case 5: return spOpcao5;
    case 6: return spOpcao6;
    case 7: return spOpcao7;
    case 8: return spOpcao8;
    default: return nullptr;
    }
}

void TFrmMnu_Mod::IniciaFormularioMenu() {
    if (MensagemTitulo) lbTitulo->setText(Mensagem(MensagemTitulo));
    for (int i = 1; i <= MAX_OPCOES_MENU; ++i) {
        QPushButton* b = Opcao(i);
        if (i > int(Opcoes.size())) {
            b->setVisible(false);
            continue;
        }
        const TOpcaoMenu& o = Opcoes[size_t(i - 1)];
        const QString rotulo = o.mensagem ? Mensagem(o.mensagem) : QString::fromUtf8(o.texto ? o.texto : "");
        b->setText(QStringLiteral("&%1 - ").arg(i) + rotulo);
        b->setVisible(true);
    }
    if (MensagemEncerra) spEncerra->setText(Mensagem(MensagemEncerra));
    spEncerra->setVisible(true);
}

void TFrmMnu_Mod::VerificaOpcoesHabilitadas() {
    for (int i = 1; i <= MAX_OPCOES_MENU && i <= int(Opcoes.size()); ++i) {
        const TOpcaoMenu& o = Opcoes[size_t(i - 1)];
        Opcao(i)->setEnabled(!o.habilitada || o.habilitada());
    }
}

void TFrmMnu_Mod::OpcaoClick(int n) { ExecutaOpcao(n); }

void TFrmMnu_Mod::ExecutaOpcao(int n) {
    if (n < 1 || n > int(Opcoes.size())) return;
    const TOpcaoMenu& o = Opcoes[size_t(n - 1)];
    HabilitaDesabilitaBotoes(false);
    if (!o.executa || !o.executa(this))
        CaixaMensagem(FormataMensagem(Mensagem(802), o.nomeForm), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    if (result() == 0) HabilitaDesabilitaBotoes(true);
}

namespace Habilita {
CondicaoMenu IntPos(int pos) {
    return [pos] { return TransacoesHabilitadasIntPos(pos); };
}
CondicaoMenu Terminal(int terminal, int pos) {
    return [terminal, pos] { return TransacoesHabilitadas(terminal, pos); };
}
CondicaoMenu Ini(const char* secao, const char* chave) {
    return [secao, chave] {
        return Plataforma::LeIniInt(QStringLiteral("Cliente.ini"), QString::fromLatin1(secao),
                                    QString::fromLatin1(chave), 1) != 0;
    };
}
CondicaoMenu Produto(int offset) {
    return [offset] { return ::Produto.em(offset) == '1'; };
}
CondicaoMenu Todos(std::initializer_list<CondicaoMenu> condicoes) {
    std::vector<CondicaoMenu> lista(condicoes);
    return [lista] {
        for (const CondicaoMenu& c : lista)
            if (c && !c()) return false;
        return true;
    };
}
} // namespace Habilita

void TFrmMnu_Mod::FormShow() {
    resize(LarguraForm, ALTURA_FORM);
    TFrmMod::FormShow();
    MostraMensagem(Mensagem(21));
}

void TFrmMnu_Mod::FormActivate() {
    TFrmMod::FormActivate();
    ParcelasIntPosVazia = false;
    IniciaFormularioMenu();
    VerificaOpcoesHabilitadas();
    VerificaSomente1Opcao();
}

void TFrmMnu_Mod::VerificaSomente1Opcao() {
    FocaPrimeiroControle();
    // The options the operator can reach are the tab stops before the close button.
    const QList<QWidget*> controles = ControlesTabOrder();
    const qsizetype posEncerra = controles.indexOf(spEncerra);
    const qsizetype quantidade = posEncerra < 0 ? controles.size() : posEncerra;
    if (quantidade == 0 || quantidade == 1) {
        Tag = int(quantidade);
        TClick->start();
    } else {
        FocaPrimeiroControle();
    }
}

void TFrmMnu_Mod::TClickTimer() {
    TClick->stop();
    // A menu already closed, or still running an option, chooses nothing.
    if (!isVisible() || EmAcao()) return;
    QWidget* primeiro = FocaPrimeiroControle();
    if (Tag == 0) {
        FechaForm(mrOk);
        EnviaArquivoErroPDV(255, Mensagem(993));
    } else if (Tag == 1) {
        if (auto* b = qobject_cast<QAbstractButton*>(primeiro)) b->click();
    }
}

void TFrmMnu_Mod::HabilitaDesabilitaBotoes(bool Habilita) {
    if (Habilita) {
        VerificaOpcoesHabilitadas();
        lbMensagem->setText(Mensagem(21));
        Plataforma::ProcessMessages();
    } else {
        EmptyKeyQueue();
        lbMensagem->setText(Mensagem(43));
        Plataforma::ProcessMessages();
        for (int i = 1; i <= MAX_OPCOES_MENU; ++i) Opcao(i)->setEnabled(false);
    }
    spEncerra->setEnabled(Habilita);
    FocaPrimeiroControle();
}

void TFrmMnu_Mod::EmptyKeyQueue() {
    if (!QCoreApplication::instance()) return;
    QCoreApplication::removePostedEvents(nullptr, QEvent::KeyPress);
    QCoreApplication::removePostedEvents(nullptr, QEvent::KeyRelease);
    QCoreApplication::removePostedEvents(nullptr, QEvent::ShortcutOverride);
    // Keys still waiting in the window system's queue are delivered into the filter.
    DescartaTeclas filtro;
    QCoreApplication::instance()->installEventFilter(&filtro);
    QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
    QCoreApplication::instance()->removeEventFilter(&filtro);
}

void TFrmMnu_Mod::hideEvent(QHideEvent* e) {
    TClick->stop();
    TFrmMod::hideEvent(e);
}

void TFrmMnu_Mod::spEncerraClick() { FechaForm(mrCancel); }

// ---- Gallery ------------------------------------------------------------------------

namespace {
// A menu as the sale menus look, for the gallery only.
class TFrmMnu_Galeria : public TFrmMnu_Mod {
public:
    TFrmMnu_Galeria() { setObjectName(QStringLiteral("FrmMnu_Mod")); }
    void IniciaFormularioMenu() override {
        lbTitulo->setText(QStringLiteral("MENU DE DÉBITO"));
        const char* rotulos[] = {"&1 - À Vista", "&2 - Pré-datado", "&3 - Parcelado", "&4 - Consulta CDC"};
        for (int i = 0; i < 4; ++i) {
            Opcao(i + 1)->setText(QString::fromUtf8(rotulos[i]));
            Opcao(i + 1)->setVisible(true);
        }
    }
    void VerificaOpcoesHabilitadas() override {
        for (int i = 1; i <= 4; ++i) Opcao(i)->setEnabled(i != 4);
    }
};
} // namespace

KORA_REGISTRA_GALERIA(FrmMnu_Mod, [] { return static_cast<QDialog*>(TFrmMod::CriaForm<TFrmMnu_Galeria>()); })
