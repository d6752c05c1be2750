#include "Imprimeconsultakora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "LeitorBytes.h"
#include "bromo.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"
#include "framework/Menumodelokora.h"
#include "platform.h"
#include "transaction/Trnmodelokora.h"

#include <algorithm>
#include <QAbstractButton>
#include <QFont>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

TFrmImprime_Mod* FrmImprime_Mod = nullptr;

namespace {
constexpr int LARGURA_CUPOM = 38;
constexpr int TAM_CABECALHO = 85;
constexpr int TAM_CONSULTA = 138;
constexpr int TAM_LINHA_CUPOM = 256;
constexpr int TAM_SERVICO_TEXTO = 4096;

QString Latin1(const QByteArray& b) { return QString::fromLatin1(b); }

// A byte slice of a fixed-layout record; short or absent slices come back
// shorter (the reader never goes past the record).
QByteArray Trecho(const QByteArray& registro, size_t pos, size_t n) {
    LeitorBytes l(reinterpret_cast<const unsigned char*>(registro.constData()), size_t(registro.size()));
    QByteArray saida;
    if (!l.pula(pos)) return {};
    const size_t cabe = std::min(n, l.restante());
    l.bytes(cabe, saida);
    return saida;
}

QString Centraliza(const QString& t) {
    return JustificaDireita(t, (LARGURA_CUPOM - int(t.size())) / 2 + int(t.size()));
}

// Digits as a number; false when they are not all digits.
bool Numero(const QByteArray& digitos, qlonglong& v) {
    if (digitos.isEmpty()) return false;
    for (char c : digitos)
        if (c < '0' || c > '9') return false;
    bool ok = false;
    v = digitos.toLongLong(&ok);
    return ok;
}

// Hundredths as "0,00" with the workstation's decimal separator.
QString Centesimos(qlonglong v) {
    QString s = QString::number(double(v) / 100.0, 'f', 2);
    return s.replace(QLatin1Char('.'), SeparadorDecimal());
}
} // namespace

QStringList MontaCupomPlano(const TDadosCupomPlano& d) {
    const QByteArray& cab = d.cabecalho;
    const QByteArray& con = d.consulta;

    // Card and expiry from the track: the digits before "=", YYMM after it.
    const QString c = d.trilha;
    const qsizetype igual = c.indexOf(QLatin1Char('='));
    const int p = igual < 0 ? int(c.size()) : int(igual); // 1-based position of the last card digit
    const QString cartao = c.left(6) + QLatin1Char('-') + c.mid(std::max(0, p - 4), std::min(p, 4));
    QString validade;
    if (!d.validade.trimmed().isEmpty())
        validade = d.validade.mid(0, 2) + QLatin1Char('/') + d.validade.mid(2, 2);
    else
        validade = c.mid(p + 3, 2) + QLatin1Char('/') + c.mid(p + 1, 2);

    const QString ano = QString::number(d.ano).rightJustified(4, QLatin1Char('0'));
    const QString mmdd = Latin1(Trecho(cab, 2, 4));
    const QString hhmmss = Latin1(Trecho(cab, 6, 6));
    const QString data = mmdd.mid(2, 2) + QLatin1Char('/') + mmdd.mid(0, 2) + QLatin1Char('/') + ano;
    const QString hora = hhmmss.mid(0, 2) + QLatin1Char(':') + hhmmss.mid(2, 2) + QLatin1Char(':') + hhmmss.mid(4, 2);
    const QString autorizacao = Latin1(Trecho(cab, 36, 6));
    const QString nsu = Latin1(Trecho(cab, 77, 6));

    qlonglong centavos = 0;
    const QString valor = Numero(Trecho(con, 0, 12), centavos) ? Centesimos(centavos) : QStringLiteral("0");
    const QString tac = Dollar(Latin1(Trecho(con, 12, 5)));
    const QString ddmm = Latin1(Trecho(con, 29, 4));
    const QString primeira = ddmm.mid(0, 2) + QLatin1Char('/') + ddmm.mid(2, 2) + QLatin1Char('/') + ano;

    QStringList l;
    const QString branco = QStringLiteral(" ");
    l << Centraliza(QStringLiteral("KORANET")) << branco;
    l << Centraliza(Latin1(Trecho(cab, 61, 16)).trimmed().toUpper());
    l << cartao + QString(22, QLatin1Char(' ')) + validade << branco;
    l << Latin1(Trecho(cab, 21, 15)) << branco;
    if (!d.lidoChip)
        l << QStringLiteral("PDV=") + d.pdv + QString(16, QLatin1Char(' ')) + QStringLiteral("NSU=") + nsu;
    else
        l << QStringLiteral("PDV=") + d.pdv + QString(6, QLatin1Char(' ')) + QStringLiteral("S=") +
                 (d.online ? QStringLiteral("ONL") : QStringLiteral("OFF")) + QString(5, QLatin1Char(' ')) +
                 QStringLiteral("NSU=") + nsu;
    l << data + QLatin1Char(' ') + hora + QStringLiteral("  AUT=") + autorizacao + QStringLiteral("  ") +
             (d.lidoChip ? QStringLiteral("ONL-C") : QStringLiteral("ONL-D"));
    l << QStringLiteral("CONSULTA VALOR DE PARCELAS") << branco;
    l << QStringLiteral("         VALOR VENDA:") + JustificaDireita(valor, 17);
    l << QStringLiteral("           VALOR TAC:") + JustificaDireita(tac, 17);
    l << QStringLiteral("       1a PARCELA EM:") + JustificaDireita(primeira, 17);
    l << branco << QStringLiteral("N.PARC       JUROS              VALOR ");

    // Rows that would reach past the record are not printed.
    LeitorBytes linhas(reinterpret_cast<const unsigned char*>(con.constData()),
                       std::min(size_t(con.size()), size_t(TAM_CONSULTA)));
    int quantidade = 0;
    if (linhas.pula(47) && linhas.digitos(2, quantidade)) {
        for (int i = 0; i < quantidade; ++i) {
            QByteArray numero, taxa, valorParcela;
            if (!linhas.bytes(2, numero) || !linhas.bytes(4, taxa) || !linhas.bytes(12, valorParcela)) break;
            qlonglong t = 0, v = 0;
            Numero(taxa, t);
            Numero(valorParcela, v);
            l << QStringLiteral("  ") + Latin1(numero) + QString(8, QLatin1Char(' ')) +
                     JustificaDireita(Centesimos(t), 6) + QLatin1Char('%') + JustificaDireita(Centesimos(v), 18);
        }
    }
    l << branco << branco;
    l << QStringLiteral("AS    INFORMACOES   CONSTANTES   NESTE");
    l << QStringLiteral("COMPROVANTE PODERAO  SER  ALTERADAS  A");
    l << QStringLiteral("QUALQUER TEMPO, SEM COMUNICACAO PREVIA");
    l << branco << branco << branco;
    return l;
}

QStringList LinhasServicoArroba(const QString& texto) {
    QStringList linhas;
    QString atual;
    for (qsizetype i = 1; i < texto.size(); ++i) {
        if (texto[i] == QLatin1Char('@')) {
            linhas << atual + QLatin1Char(' ');
            atual.clear();
        } else {
            atual += texto[i];
        }
    }
    return linhas;
}

TFrmImprime_Mod* TFrmImprime_Mod::Cria() { return CriaForm<TFrmImprime_Mod>(); }

TFrmImprime_Mod::TFrmImprime_Mod(QWidget* pai) : TFrmMod(pai) {
    setObjectName(QStringLiteral("FrmImprime_Mod"));
    LarguraForm = 632;
    Controles(this)
        .Memo(MemoConsulta, "MemoConsulta", this, {117, 108, 393, 201}, {.estilo = Ctl::SoLeitura})
        .Painel(pnBotoes, "pnBotoes", this, {111, 330, 400, 40})
        .Botao(btImprime, "btImprime", pnBotoes, {31, 5, 121, 30}, "&1 - Imprime", {.foco = 49})
        .Botao(btRetorna, "btRetorna", pnBotoes, {248, 5, 121, 30}, "&9 - Retorna", {.foco = 48});
    OrdemTab({MemoConsulta, btImprime, btRetorna});
    MemoConsulta->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoConsulta->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoConsulta->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont fonte(QStringLiteral("Courier New"));
    fonte.setStyleHint(QFont::Monospace);
    fonte.setFixedPitch(true);
    fonte.setPixelSize(12);
    MemoConsulta->setFont(fonte);
    QObject::connect(btImprime, &QPushButton::clicked, this, [this] { btImprimeClick(); });
    QObject::connect(btRetorna, &QPushButton::clicked, this, [this] { btRetornaClick(); });
}

void TFrmImprime_Mod::CursorNoInicio() {
    MemoConsulta->setFocus();
    QTextCursor c = MemoConsulta->textCursor();
    c.movePosition(QTextCursor::Start);
    MemoConsulta->setTextCursor(c);
}

void TFrmImprime_Mod::FormShow() {
    if (qobject_cast<QAbstractButton*>(focusWidget())) focusNextChild();
    TFrmMod::FormShow();
    btImprime->setText(Mensagem(556));
    btRetorna->setText(Mensagem(554));
    MemoConsulta->clear();
    CursorNoInicio();
    MemoConsulta->setPlainText(MontaTexto().join(QLatin1Char('\n')));
    btImprime->setEnabled(ImprimeCupom);
    CursorNoInicio();
}

QStringList TFrmImprime_Mod::MontaTexto() {
    // Ready-made lines first, then a service text, then the coupon composed here.
    if (Campos::Preenchido(CAMPO_QTD_LINHAS_CUPOM)) {
        QStringList linhas;
        const int n = Campos::LeNumero(CAMPO_QTD_LINHAS_CUPOM, 0);
        for (int i = 0; i < n; ++i) {
            // A line that cannot be read shows as a blank.
            QByteArray b = Campos::LeBytes(CAMPO_LINHAS_CUPOM, TAM_LINHA_CUPOM, i);
            const qsizetype zero = b.indexOf('\0');
            if (zero >= 0) b.truncate(zero);
            const QString linha = QString::fromLatin1(b);
            linhas << linha + QLatin1Char(' ');
        }
        return linhas;
    }
    if (Campos::Preenchido(CAMPO_SERVICOS_GUARDADOS)) {
        ImprimeCupom = false;
        return LinhasServicoArroba(
            QString::fromLatin1(Campos::LeBytes(CAMPO_SERVICOS_GUARDADOS, TAM_SERVICO_TEXTO).split('\0').value(0)));
    }
    if (Campos::Preenchido(CAMPO_CONSULTA_PLANO)) {
        TDadosCupomPlano d;
        d.cabecalho = Campos::LeBytes(CAMPO_CABECALHO_RESPOSTA, TAM_CABECALHO);
        d.consulta = Campos::LeBytes(CAMPO_CONSULTA_PLANO, TAM_CONSULTA);
        d.trilha = Campos::Le(CAMPO_TRILHA2).trimmed();
        if (d.trilha.isEmpty()) d.trilha = Campos::Le(CAMPO_DADOS_CARTAO);
        d.validade = Campos::Le(CAMPO_VALIDADE_DIGITADA);
        d.pdv = Campos::Le(CAMPO_NUMERO_PDV);
        d.lidoChip = Campos::Le(CAMPO_LIDO_CHIP) != QLatin1String("0");
        d.online = !Campos::Le(CAMPO_DADOS_CARTAO_16).trimmed().isEmpty();
        d.ano = Plataforma::Agora().date().year();
        return MontaCupomPlano(d);
    }
    return {QString::fromUtf8("Não há tiquete para imprimir.")};
}

void TFrmImprime_Mod::btImprimeClick() {
    ImprimeCupom = true;
    FechaForm(mrCancel);
}

void TFrmImprime_Mod::btRetornaClick() {
    if (!Campos::Grava(CAMPO_CODIGO_RESPOSTA, QStringLiteral("FF")) ||
        !Campos::Grava(CAMPO_TEXTO_RESULTADO, Mensagem(801)))
        Audita(QStringLiteral("Kora41 - FrmImprime_Mod: resultado nao gravado"));
    Campos::Limpa(CAMPO_CODIGO_PRODUTO);
    ImprimeCupom = false;
    FechaForm(mrCancel);
}

// An instalment-plan consultation of R$ 1.000,00 in three instalments.
static QDialog* FormGaleriaImprime() {
    Campos::Limpa(CAMPO_QTD_LINHAS_CUPOM);
    Campos::Limpa(CAMPO_SERVICOS_GUARDADOS);
    const QString cabecalho = QStringLiteral("00"
                                             "1205"
                                             "103000") +
                              QString(9, QLatin1Char('0')) + QStringLiteral("PLANO CONSULTA ") +
                              QStringLiteral("123456") + QString(19, QLatin1Char(' ')) +
                              QStringLiteral("LOJA EXEMPLO    ") + QStringLiteral("000042");
    const QString consulta = QStringLiteral("000000100000"
                                            "01500") +
                             QString(12, QLatin1Char('0')) + QStringLiteral("0501") + QString(14, QLatin1Char('0')) +
                             QStringLiteral("03") +
                             QStringLiteral("01"
                                            "0150"
                                            "000000034000"
                                            "02"
                                            "0150"
                                            "000000034000"
                                            "03"
                                            "0150"
                                            "000000034000");
    const bool gravou = Campos::Grava(CAMPO_CABECALHO_RESPOSTA, cabecalho) &&
                        Campos::Grava(CAMPO_CONSULTA_PLANO, consulta) &&
                        Campos::Grava(CAMPO_TRILHA2, QStringLiteral("5555666677778888=28121010000")) &&
                        Campos::Grava(CAMPO_NUMERO_PDV, QStringLiteral("001"));
    if (!gravou) return nullptr;
    ImprimeCupom = true;
    return TFrmImprime_Mod::Cria();
}
KORA_REGISTRA_GALERIA(FrmImprime_Mod, FormGaleriaImprime)
KORA_REGISTRA_FORM(FrmImprime_Mod, TFrmImprime_Mod)
