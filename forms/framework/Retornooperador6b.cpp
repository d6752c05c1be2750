#include "Retornooperador6b.h"

#include "Controleskora.h"
#include "Galeriakora.h"

#include "Campos.h"
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

// Text of one element of a field, at most `capacidade` bytes, up to its first
// zero byte (the host may or may not count a terminating zero in the length).
QString LeElemento(int campo, int indice, int capacidade) {
    QByteArray b = Campos::LeBytes(campo, capacidade, indice);
    const qsizetype zero = b.indexOf('\0');
    if (zero >= 0) b.truncate(zero);
    return QString::fromLatin1(b);
}
} // namespace

TFrmRetorno_Opr::TFrmRetorno_Opr(QWidget* pai) : TFrmMod(pai) {
    setObjectName(QStringLiteral("FrmRetorno_Opr"));
    lbTitulo->setText(QStringLiteral("RETORNO AO OPERADOR"));

    Controles(this)
        .Memo(MemoRetornoOpr, "MemoRetornoOpr", this, {30, 70, 568, 250}, {.estilo = Ctl::SoLeitura})
        .Painel(pnBotoes, "pnBotoes", this, {30, 326, 568, 40}, Ctl::Elevado)
        .Botao(btRetorna, "btRetorna", pnBotoes, {428, 6, 132, 28}, "&9 - Retorna", {.foco = 48});
    MemoRetornoOpr->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoRetornoOpr->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoRetornoOpr->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoRetornoOpr->setFont(QFont(QStringLiteral("Monospace"), 10));
    Liga(btRetorna, &QPushButton::clicked, [this] { btRetornaClick(); });
    OrdemTab({MemoRetornoOpr, btRetorna});
}

TFrmRetorno_Opr* TFrmRetorno_Opr::Cria() { return CriaForm<TFrmRetorno_Opr>(); }

void TFrmRetorno_Opr::Mostra(const QString& titulo) {
    if (!FrmRetorno_Opr) FrmRetorno_Opr = Cria();
    if (!FrmRetorno_Opr) return;
    FrmRetorno_Opr->lbTitulo->setText(titulo);
    FrmRetorno_Opr->exec();
    delete FrmRetorno_Opr;
    FrmRetorno_Opr = nullptr;
}

void TFrmRetorno_Opr::FormCreate() { TFrmMod::FormCreate(); }

void TFrmRetorno_Opr::FormShow() {
    if (qobject_cast<QAbstractButton*>(focusWidget())) focusNextChild();
    TFrmMod::FormShow();

    btRetorna->setText(Mensagem(554));
    lbMensagem->setText(Campos::Le(CAMPO_TEXTO_OPERADOR).trimmed());

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

void TFrmRetorno_Opr::btRetornaClick() { FechaForm(mrCancel); }

// ---- Gallery ------------------------------------------------------------------------

namespace {
QDialog* RetornoGaleria() {
    const bool gravou =
        Campos::Grava(CAMPO_TEXTO_OPERADOR, QStringLiteral("CONSULTE O EMISSOR DO CARTAO")) &&
        Campos::Grava(CAMPO_QTD_LINHAS_RETORNO, QStringLiteral("3")) &&
        Campos::Grava(CAMPO_LINHAS_RETORNO, QStringLiteral("TRANSACAO NAO AUTORIZADA"), 0) &&
        Campos::Grava(CAMPO_LINHAS_RETORNO, QStringLiteral("LIMITE DIARIO EXCEDIDO@TENTE NOVAMENTE AMANHA"), 1) &&
        Campos::Grava(CAMPO_LINHAS_RETORNO, QStringLiteral("CENTRAL DE ATENDIMENTO 0800 000 0000"), 2);
    return gravou ? TFrmRetorno_Opr::Cria() : nullptr;
}
} // namespace

KORA_REGISTRA_GALERIA(FrmRetorno_Opr, RetornoGaleria)
KORA_REGISTRA_FORM(FrmRetorno_Opr, TFrmRetorno_Opr)
