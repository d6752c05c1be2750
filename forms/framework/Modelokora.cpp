#include "Modelokora.h"

#include "Controleskora.h"
#include "Galeriakora.h"

#include "Campos.h"
#include "Constanteskora.h"
#include "Contextokora.h"
#include "LeitorBytes.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "ciraz.h"
#include "platform.h"
#include "pontal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPixmap>
#include <QPointer>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>
#include <climits>
#include <cstring>

TFrmMod* FrmMod = nullptr;

namespace {
// Tagged chip data never exceed this.
constexpr int TAM_DADOS_CHIP = 1025;
constexpr int TAM_COPIA_CHIP = 1024;

// The form's name in audit lines: its objectName, Latin-1 on the host side.
QString NomeForm(const QWidget* w) { return w->objectName(); }

// Every form shows the same two pictures; decoding them once per form showed
// up in the time to open one. They live as long as the application, which
// must outlive any pixmap, or as long as the module when the host unloads it
// first (the object's code goes with the module).
class ArteForms : public QObject {
public:
    QPixmap fundo{QStringLiteral(":/img/fundo.png")}, logo{QStringLiteral(":/img/logo.png")};

    static const ArteForms& Instancia() {
        static struct Dono {
            QPointer<ArteForms> arte;
            ~Dono() { delete arte; }
        } dono;
        if (!dono.arte) dono.arte = new ArteForms(QCoreApplication::instance());
        return *dono.arte;
    }

private:
    explicit ArteForms(QObject* app) : QObject(app) {}
};
} // namespace

TFrmMod::TFrmMod(QWidget* pai) : QDialog(pai) {
    setObjectName(QStringLiteral("FrmMod"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    resize(LARGURA_FORM, ALTURA_FORM);

    Controles(this)
        .Rotulo(ImgFundo, "ImgFundo", this, {0, 0, LARGURA_FORM, ALTURA_FORM}, "")
        .Rotulo(lbTitulo, "lbTitulo", this, {16, 10, 596, 48}, "FORMULÁRIO PADRÃO",
                Ctl::Centro | Ctl::Quebra | Ctl::Destaque)
        .Rotulo(lbMensagem, "lbMensagem", this, {12, 390, 520, 22}, "Mensagem informativa ao operador", Ctl::Negrito)
        .Painel(panelLogo, "panelLogo", this, {548, 388, 68, 25})
        .Rotulo(ImageLogo, "ImageLogo", panelLogo, {0, 0, 68, 25}, "")
        .Rotulo(lbVersao, "lbVersao", this, {396, 368, 220, 16}, "", Ctl::Direita);
    ImgFundo->setScaledContents(true);
    ImgFundo->setPixmap(ArteForms::Instancia().fundo);
    {
        QFont f = lbTitulo->font();
        f.setPointSize(14);
        lbTitulo->setFont(f);
    }
    ImageLogo->setScaledContents(true);
    ImageLogo->setPixmap(ArteForms::Instancia().logo);
}

TFrmMod::~TFrmMod() { ExecutaFormDestroy(); }

void TFrmMod::MostraMensagem(const QString& texto) {
    lbMensagem->setVisible(true);
    lbMensagem->setText(texto);
}

void TFrmMod::LigaEntrada(QWidget* controle, std::function<void()> acao) {
    if (!controle) return;
    entradas_.insert(controle, std::move(acao));
    controle->installEventFilter(this);
}

void TFrmMod::LigaEditValor(QLineEdit*) {}

void TFrmMod::OrdemTab(std::initializer_list<QWidget*> controles) {
    QWidget* anterior = nullptr;
    for (QWidget* w : controles) {
        if (anterior && w) QWidget::setTabOrder(anterior, w);
        if (w) anterior = w;
    }
}

bool TFrmMod::eventFilter(QObject* obj, QEvent* ev) {
    bool r = false;
    Protege([&] { r = FiltraEvento(obj, ev); });
    return r;
}

bool TFrmMod::FiltraEvento(QObject* obj, QEvent* ev) {
    if (ev->type() == QEvent::FocusIn) {
        const auto it = entradas_.constFind(obj);
        if (it != entradas_.constEnd() && *it) (*it)();
    }
    return QDialog::eventFilter(obj, ev);
}

TFrmMod* TFrmMod::Cria() { return CriaForm<TFrmMod>(); }

void TFrmMod::ExecutaFormCreate() {
    if (criado_) return;
    criado_ = true;
    AgrupaOrdemTab();
    FormCreate();
}

// Qt keeps one flat focus chain in creation order, so a control that a
// descendant adds to an inherited panel would come after the inherited
// buttons. The operator expects each panel's controls together, as its own
// tab order has them: containers are ordered by their first control in the
// chain, and their controls keep the chain's order among themselves.
void TFrmMod::AgrupaOrdemTab() {
    QHash<const QWidget*, int> posicao;
    int i = 0;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) posicao.insert(w, i++);
    const auto chave = [&posicao](const QWidget* w) {
        int menor = posicao.value(w, INT_MAX);
        if (w->focusPolicy() == Qt::NoFocus)
            for (const QWidget* c : w->findChildren<QWidget*>()) menor = std::min(menor, posicao.value(c, INT_MAX));
        return menor;
    };
    QList<QWidget*> ordem;
    const std::function<void(QWidget*)> visita = [&](QWidget* pai) {
        QList<QWidget*> filhos;
        for (QObject* o : pai->children())
            if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow()) filhos << w;
        std::stable_sort(filhos.begin(), filhos.end(),
                         [&chave](const QWidget* a, const QWidget* b) { return chave(a) < chave(b); });
        for (QWidget* w : filhos) {
            if (w->focusPolicy() & Qt::TabFocus)
                ordem << w;
            else if (w->focusPolicy() == Qt::NoFocus)
                visita(w);
        }
    };
    visita(this);
    for (qsizetype k = 1; k < ordem.size(); ++k) QWidget::setTabOrder(ordem[k - 1], ordem[k]);
}

void TFrmMod::ExecutaFormDestroy() {
    if (destruido_) return;
    destruido_ = true;
    FormDestroy();
}

void TFrmMod::FormCreate() {
    const QString versao = QStringLiteral("Tulen - v") + VERSAO_DO_MODULO;
    lbVersao->setText(versao);
    const QByteArray b = versao.toLatin1();
    const size_t n = std::min<size_t>(size_t(b.size()), sizeof TITULO_APLICACAO - 1);
    std::memcpy(TITULO_APLICACAO, b.constData(), n);
    TITULO_APLICACAO[n] = '\0';

    // No task-bar button of its own.
    setWindowFlag(Qt::Tool, true);
    AplicaTemaTalvar(this);

    Audita(QStringLiteral("Criou: ") + NomeForm(this));
}

void TFrmMod::FormShow() {
    bCapturaSenha = true;
    setFixedSize(LarguraForm, ALTURA_FORM);
    ImgFundo->resize(LarguraForm, ALTURA_FORM);
    lbMensagem->clear();
    FocaPrimeiroControle();
}

void TFrmMod::FormActivate() {}

void TFrmMod::FormDestroy() { Audita(QStringLiteral("Destruiu: ") + NomeForm(this)); }

bool TFrmMod::GravaCamposPontal() { return true; }

void TFrmMod::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) {
        FormShow();
        if (QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen())
            move(tela->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(e);
}

bool TFrmMod::event(QEvent* e) {
    bool r = false;
    Protege([&] {
        r = QDialog::event(e);
        if (e->type() == QEvent::WindowDeactivate) {
            // The window being activated is already known here.
            perdeuParaCaixa_ = qobject_cast<QMessageBox*>(QApplication::activeWindow()) != nullptr;
        } else if (e->type() == QEvent::WindowActivate) {
            if (perdeuParaCaixa_)
                perdeuParaCaixa_ = false;
            else
                FormActivate();
        }
    });
    return r;
}

void TFrmMod::FalhaInesperada(const char* oque) noexcept {
    try {
        Audita(FormataMensagem(QStringLiteral("Kora41 - %s: excecao [%s]; requisicao recusada"), objectName(),
                               oque ? oque : ""));
        if (!recusou_) {
            recusou_ = true;
            RecusaRequisicao(801);
        }
        FechaForm(mrOk);
    } catch (...) {
        // Nothing more can be done from here; the form is left to its caller.
    }
}

void TFrmMod::keyPressEvent(QKeyEvent* e) {
    // Dialogs close only through their own buttons.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->accept();
        return;
    }
    const QString t = e->text();
    if (t.size() == 1 && t.at(0).isLetterOrNumber() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
        ClicaAcelerador(t.at(0))) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool TFrmMod::ClicaAcelerador(QChar tecla) {
    const QChar alvo = tecla.toUpper();
    for (QAbstractButton* b : findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(this) || !b->isEnabled()) continue;
        const QString s = b->text();
        for (qsizetype i = 0; i + 1 < s.size(); ++i) {
            if (s.at(i) != QLatin1Char('&')) continue;
            if (s.at(i + 1) == QLatin1Char('&')) {
                ++i;
                continue;
            }
            if (s.at(i + 1).toUpper() == alvo) {
                b->setFocus();
                b->click();
                return true;
            }
            break;
        }
    }
    return false;
}

QList<QWidget*> TFrmMod::ControlesTabOrder() const {
    QList<QWidget*> lista;
    const QWidget* inicio = this;
    for (QWidget* w = inicio->nextInFocusChain(); w && w != inicio; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this) && w->window() == this)
            lista.append(w);
    }
    return lista;
}

QWidget* TFrmMod::FocaPrimeiroControle() {
    const QList<QWidget*> lista = ControlesTabOrder();
    if (lista.isEmpty()) return nullptr;
    lista.first()->setFocus(Qt::TabFocusReason);
    return lista.first();
}

void TFrmMod::FechaForm(int resultado) { done(resultado); }

int TFrmMod::CaixaMensagem(const QString& texto, int botoes, Plataforma::Icone icone) {
    const int r = Plataforma::MessageBox(texto, QString::fromLatin1(TITULO_APLICACAO), botoes, icone, this);
    if (isVisible() && !isActiveWindow()) activateWindow();
    return r;
}

int TFrmMod::exec() {
    QPointer<QWidget> anterior = QApplication::activeWindow();
    const int r = QDialog::exec();
    if (anterior && anterior != this && anterior->isVisible()) anterior->activateWindow();
    return r;
}

// ---- PIN -------------------------------------------------------------------------

bool TFrmMod::VerificaCapturaSenha() {
    if (!bCapturaSenha) return true;
    const int r = LerSenha(Plataforma::HandleAplicacao(), QString(), QString(), 0, lbTitulo->text());
    if (r == 0) return true;
    PontalGravaArquivo();
    Campos::Limpa(CAMPO_RESULTADO_TRANSACAO);
    FechaForm(mrOk);
    return false;
}

// ---- Chip ------------------------------------------------------------------------

bool TFrmMod::VerificaProcessaCartao() {
    if (Campos::LeBytes(CAMPO_LIDO_CHIP, 1) != "1") return true;

    const int ret = ProcessaDadosEmv(lbMensagem);
    Plataforma::ProcessMessages();
    if (ret == 0) return true;

    const QString mostrado = lbMensagem->text();
    if (ret == 9) {
        const bool tratamento9 = Campos::Le(CAMPO_TRATAMENTO_CHIP_9) == QLatin1String("1");
        if (tratamento9) Campos::Limpa(CAMPO_MARCA_CONSULTA_CDC);
        if (!Campos::Grava(CAMPO_TEXTO_RESULTADO, Mensagem(tratamento9 ? 1885 : 801)))
            Audita(QStringLiteral("Kora41 - texto do resultado nao gravado"));
        return false;
    }
    if (ret == 7) EnviaTransacaoAdviceOffLine();
    if (!Campos::Grava(CAMPO_TEXTO_RESULTADO, mostrado))
        Audita(QStringLiteral("Kora41 - texto do resultado nao gravado"));
    PontalGravaArquivo();
    Campos::Limpa(CAMPO_RESULTADO_TRANSACAO);
    FechaForm(mrOk);
    return false;
}

void TFrmMod::EnviaTransacaoAdviceOffLine() {
    if (Produto.em(OffProduto::PERMITE_ADVICE) != '1') return;
    if (VerificaObtemDadosEmv() && GravaCamposPontal()) {
        if (pTransacao) AutorizaTransacao(pTransacao, lbMensagem, 0);
        if (!Campos::Grava(CAMPO_CODIGO_RESPOSTA, QStringLiteral("FF")))
            Audita(QStringLiteral("Kora41 - codigo de resposta nao gravado"));
    }
}

bool TFrmMod::VerificaObtemDadosEmv() {
    Audita(QStringLiteral("Kora41 - Entrou em VODEmv"));
    const QString tipoOperacao = Campos::Le(CAMPO_TIPO_OPERACAO_CARTAO);
    Audita(FormataMensagem(QStringLiteral("Kora41 - VODEmv - TipoOperacaoCartao : %s"), tipoOperacao));

    if (Campos::Preenchido(CAMPO_DADOS_CARTAO) && tipoOperacao == QLatin1String("2")) return true;
    if (tipoOperacao != QLatin1String("0") && tipoOperacao != QLatin1String("1") && tipoOperacao != QLatin1String("2"))
        return true;

    char buffer[TAM_DADOS_CHIP] = {};
    if (Campos::Le(CAMPO_RESPOSTA_CHIP) == QLatin1String("Y3")) {
        // Approved offline without going online: the request carries the
        // card's decision and the transaction result instead of fresh chip data.
        int tamanho = 0;
        PontalLeCampoMaxLen(int(CAMPO_DADOS_CHIP), 0, buffer, tamanho, TAM_COPIA_CHIP);
        ProcuraCampo("002:", reinterpret_cast<const unsigned char*>(buffer), tamanho, TAM_COPIA_CHIP);

        int tamResultado = 0;
        if (PontalLeCampoMaxLen(int(CAMPO_RESULTADO_TRANSACAO), 0, buffer, tamResultado, TAM_COPIA_CHIP) != 0)
            return false;
        tamResultado = std::clamp(tamResultado, 0, TAM_COPIA_CHIP);
        QByteArray novo("006:Y3");
        novo.append('\0');
        novo.append(buffer, tamResultado);
        return Campos::GravaBytes(CAMPO_DADOS_CHIP, novo);
    }

    const char digito = Produto.em(OffProduto::TIPO_PRODUTO_CHIP);
    const int tipoProduto = (digito >= '0' && digito <= '9') ? digito - '0' : 0;
    const QString extra = RemoveFormato(Campos::Le(CAMPO_VALOR_SAQUE)).trimmed().left(12);

    int tamanho = 0;
    const int r = ObtemDadosKora(buffer, tipoProduto, extra, tamanho);
    if (r == 0) {
        tamanho = std::clamp(tamanho, 0, TAM_DADOS_CHIP);
        if (tamanho > 0 && !Campos::GravaBytes(CAMPO_DADOS_CHIP, QByteArray(buffer, tamanho))) return false;
        ProcuraCampo("006:", reinterpret_cast<const unsigned char*>(buffer), tamanho, TAM_COPIA_CHIP);
        Audita(QStringLiteral("Kora41 - Saiu de VODEmv"));
        return true;
    }
    if (Campos::Preenchido(CAMPO_FALHA_CHIP_NAO_ERRO)) {
        Audita(QStringLiteral("Kora41 - Saiu de VODEmv"));
        return true;
    }
    if (EhCartaoChipComContato()) {
        lbMensagem->setText(Mensagem(944));
        RemoveCartao(Mensagem(944));
    }
    FinalizaComunicacaoPinpad();
    Audita(FormataMensagem(QStringLiteral("Kora41 - VODEmv: ObtemDadosKora retornou erro: [%d]"), r));
    EnviaArquivoErroPDV(r, Mensagem(884));
    FechaForm(mrOk);
    return false;
}

void TFrmMod::ProcuraCampo(const char* chave, const unsigned char* dados, int tamDados, int capacidade) {
    if (!chave || std::strlen(chave) != 4 || !dados) return;
    if (tamDados > TAM_DADOS_CHIP)
        Audita(FormataMensagem(QStringLiteral("ModeloKora - ProcuraCampo - TamDados: %d, TamVariaveis: %d"), tamDados,
                               TAM_DADOS_CHIP));
    // Never trust the stated length beyond the buffer the caller owns.
    const int n = std::max(0, std::min({tamDados, capacidade, TAM_COPIA_CHIP}));
    const QByteArray copia(reinterpret_cast<const char*>(dados), n);

    int achado = -1;
    for (int i = 0; i < n - 5; ++i) {
        if (std::memcmp(copia.constData() + i, chave, 4) == 0) {
            achado = i;
            break;
        }
    }
    if (achado < 0) return;

    LeitorBytes leitor(reinterpret_cast<const unsigned char*>(copia.constData()), size_t(n));
    if (!leitor.pula(size_t(achado) + 4)) return;
    const int inicio = int(leitor.posicao());
    const int fim = int(copia.indexOf('\0', inicio));
    if (fim < 0) return;
    QByteArray valor;
    if (!leitor.bytes(size_t(fim - inicio), valor)) return;

    const int campo = std::memcmp(chave, "006:", 4) == 0   ? CAMPO_RESPOSTA_CHIP
                      : std::memcmp(chave, "002:", 4) == 0 ? CAMPO_TAG_002
                                                           : 0;
    if (campo && !Campos::GravaBytes(campo, valor))
        Audita(FormataMensagem(QStringLiteral("ModeloKora - ProcuraCampo - campo %d nao gravado"), campo));
}

// ---- Cancellation ------------------------------------------------------------------

bool TFrmMod::VerificaGravaTipoTrnCredito() {
    QString tipo;
    if (TransacoesHabilitadasIntPos(int(INTPOS_TRANSACAO_HABILITADA_CANCEL_CAPTURA_PRE)) &&
        !TransacoesHabilitadasIntPos(int(INTPOS_TRANSACAO_HABILITADA_CREDITO)))
        tipo = QStringLiteral("21");
    else
        tipo =
            Campos::Le(CAMPO_TIPO_OPERACAO_CARTAO) == QLatin1String("2") ? QStringLiteral("55") : QStringLiteral("54");
    return Campos::Grava(CAMPO_CODIGO_TIPO_TRANSACAO, tipo);
}

bool TFrmMod::ConfirmaFormataCancelamento(bool bGravaArquivo) {
    QString cartao;
    if (Campos::Le(CAMPO_ORIGEM_DADOS_CARTAO_CNC) == QLatin1String("1") &&
        Campos::Le(CAMPO_TIPO_OPERACAO_CARTAO) == QLatin1String("1")) {
        cartao = Campos::Le(CAMPO_DADOS_CARTAO_CNC) + QLatin1Char('-') + Campos::Le(CAMPO_DADOS_CARTAO_CNC_2);
    } else {
        QString s = Campos::Le(Campos::Le(CAMPO_TIPO_OPERACAO_CARTAO) == QLatin1String("2") ? CAMPO_CARTAO_DIGITADO
                                                                                            : CAMPO_TRILHA2);
        if (s.startsWith(QLatin1String("CMT:"))) s = s.mid(4);
        if (s.trimmed().isEmpty()) s = Campos::Le(CAMPO_DADOS_CARTAO);
        qsizetype fim = s.indexOf(QLatin1Char('='));
        if (fim < 0) fim = s.size();
        const qsizetype inicio = std::max<qsizetype>(0, fim - 4);
        cartao = s.left(6) + QLatin1Char('-') + s.mid(inicio, fim - inicio);
    }
    const QString d = Campos::Le(CAMPO_DATA_ORIGINAL);
    const QString data = d.mid(0, 2) + QLatin1Char('/') + d.mid(2, 2) + QLatin1Char('/') + d.mid(6, 2);
    const QString valor = Dollar(Campos::Le(CAMPO_VALOR_TRANSACAO));
    const QString valorCancelar = Dollar(Campos::Le(CAMPO_VALOR_CANCELAR));

    const QString texto =
        FormataMensagem(Mensagem(2582), cartao, data, valor, valorCancelar, Campos::Le(CAMPO_NSU_ORIGINAL)) +
        Mensagem(2583) + QStringLiteral("\n\r");

    if (QWidget* bt = findChild<QWidget*>(QStringLiteral("btRetorna"))) {
        // Takes the focus away from whatever a stray key would reach.
        bt->setEnabled(true);
        bt->setFocus();
        bt->setEnabled(false);
    }
    const int resposta = CaixaMensagem(texto, Plataforma::MB_YESNO, Plataforma::Icone::Informacao);
    Plataforma::ProcessMessages();
    if (resposta != Plataforma::IDYES) {
        FechaForm(mrOk);
        if (bGravaArquivo) PontalGravaArquivo();
        return false;
    }
    return true;
}

// ---- Gallery ------------------------------------------------------------------------

namespace {
QDialog* FormPadraoGaleria() { return TFrmMod::Cria(); }
} // namespace

KORA_REGISTRA_GALERIA(FrmMod, FormPadraoGaleria)

char CaractereTecla(const QKeyEvent* k) {
    if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
    switch (k->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Delete: return 127;
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 0;
    default: break;
    }
    const QString t = k->text();
    if (t.size() != 1) return 0;
    const ushort u = t[0].unicode();
    return u >= 32 && u < 256 ? char(uchar(u)) : 0;
}
