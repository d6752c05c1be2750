#include "Retornooperador6b.h"

#include "Galeriakora.h"

#include "Camposkora.h"
#include "Contextokora.h"
#include "bromo.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>


TFrmRetorno_Opr* FrmRetorno_Opr = nullptr;

namespace {
constexpr int TAM_QTD_LINHAS = 3;
constexpr int TAM_LINHA = 256;

// Text of one element of a field, up to its first zero byte (the host may
// or may not count a terminating zero in the length).
QString LeElemento(int campo, int indice, int capacidade) {
    QByteArray buffer(capacidade, '\0');
    int tamanho = 0;
    if (LeCampoMaxLen(campo, indice, buffer.data(), tamanho, capacidade) != 0) return {};
    buffer.truncate(std::clamp(tamanho, 0, capacidade));
    const qsizetype zero = buffer.indexOf('\0');
    if (zero >= 0) buffer.truncate(zero);
    return QString::fromLatin1(buffer);
}
} // namespace

TFrmRetorno_Opr::TFrmRetorno_Opr(QWidget* pai) : TFrmMod(pai) {
    setObjectName(QStringLiteral("FrmRetorno_Opr"));
    lbTitulo->setText(QStringLiteral("RETORNO AO OPERADOR"));

    MemoRetornoOpr = new QPlainTextEdit(this);
    MemoRetornoOpr->setObjectName(QStringLiteral("MemoRetornoOpr"));
    MemoRetornoOpr->setGeometry(30, 70, 568, 250);
    MemoRetornoOpr->setReadOnly(true);
    MemoRetornoOpr->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoRetornoOpr->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoRetornoOpr->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoRetornoOpr->setFont(QFont(QStringLiteral("Monospace"), 10));

    pnBotoes = new QFrame(this);
    pnBotoes->setObjectName(QStringLiteral("pnBotoes"));
    pnBotoes->setGeometry(30, 326, 568, 40);
    pnBotoes->setFrameStyle(QFrame::Panel | QFrame::Raised);

    btRetorna = new QPushButton(QStringLiteral("&9 - Retorna"), pnBotoes);
    btRetorna->setObjectName(QStringLiteral("btRetorna"));
    btRetorna->setGeometry(428, 6, 132, 28);
    btRetorna->setFocusPolicy(Qt::StrongFocus);
    btRetorna->installEventFilter(this);
    QObject::connect(btRetorna, &QPushButton::clicked, this, [this] { btRetornaClick(); });

    setTabOrder(MemoRetornoOpr, btRetorna);
}

TFrmRetorno_Opr* TFrmRetorno_Opr::Cria() { return CriaForm<TFrmRetorno_Opr>(); }

void TFrmRetorno_Opr::FormCreate() { TFrmMod::FormCreate(); }

void TFrmRetorno_Opr::FormShow() {
    if (qobject_cast<QAbstractButton*>(focusWidget())) focusNextChild();
    TFrmMod::FormShow();

    btRetorna->setText(Mensagem(554));
    QString texto;
    LeCampo(texto, CAMPO_TEXTO_OPERADOR, 0);
    lbMensagem->setText(texto.trimmed());

    MemoRetornoOpr->clear();
    bool ok = false;
    int quantidade = LeElemento(CAMPO_QTD_LINHAS_RETORNO, 0, TAM_QTD_LINHAS).trimmed().toInt(&ok);
    if (!ok || quantidade < 0) quantidade = 0;

    QStringList linhas;
    for (int i = 0; i < quantidade; ++i) linhas << LeElemento(CAMPO_LINHAS_RETORNO, i, TAM_LINHA);
    if (quantidade > 0) {
        // An "@" inside a line breaks it too, as the host's texts expect.
        for (const QString& pedaco : linhas.join(QLatin1Char('@')).split(QLatin1Char('@')))
            MemoRetornoOpr->appendPlainText(pedaco);
    }
    MemoRetornoOpr->setFocus();
}

bool TFrmRetorno_Opr::eventFilter(QObject* objeto, QEvent* e) {
    if (objeto == btRetorna && e->type() == QEvent::FocusIn) btRetornaEnter();
    return TFrmMod::eventFilter(objeto, e);
}

void TFrmRetorno_Opr::btRetornaEnter() { lbMensagem->setText(Mensagem(48)); }

void TFrmRetorno_Opr::btRetornaClick() { FechaForm(mrCancel); }

// ---- Gallery ------------------------------------------------------------------------

namespace {
QDialog* RetornoGaleria() {
    GravaCampoString(CAMPO_TEXTO_OPERADOR, 0, QStringLiteral("CONSULTE O EMISSOR DO CARTAO"));
    GravaCampoString(CAMPO_QTD_LINHAS_RETORNO, 0, QStringLiteral("3"));
    GravaCampoString(CAMPO_LINHAS_RETORNO, 0, QStringLiteral("TRANSACAO NAO AUTORIZADA"));
    GravaCampoString(CAMPO_LINHAS_RETORNO, 1, QStringLiteral("LIMITE DIARIO EXCEDIDO@TENTE NOVAMENTE AMANHA"));
    GravaCampoString(CAMPO_LINHAS_RETORNO, 2, QStringLiteral("CENTRAL DE ATENDIMENTO 0800 000 0000"));
    return TFrmRetorno_Opr::Cria();
}
} // namespace

KORA_REGISTRA_GALERIA(FrmRetorno_Opr, RetornoGaleria)
