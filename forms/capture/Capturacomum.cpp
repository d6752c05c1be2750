#include "capture/Capturacomum.h"

#include "Servicoskora.h"
#include "bromo.h"
#include "pontal.h"

#include <QFrame>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>

#define CAPTURA_FRACO __attribute__((weak))
CAPTURA_FRACO QString Dollar(const QString&);
CAPTURA_FRACO char ValKeyBoard(char);
CAPTURA_FRACO bool VerificaCPF(const QString&);
#undef CAPTURA_FRACO

namespace CapturaComum {

QString SoDigitos(const QString& texto) { return ::RemoveFormato(texto); }

QString TextoValor(const QString& digitos)
{
    if (::Dollar) return ::Dollar(digitos);
    // Same text as the package's, for hosts without it.
    QString d = SoDigitos(digitos);
    while (d.size() > 1 && d.front() == QLatin1Char('0')) d.remove(0, 1);
    while (d.size() < 3) d.prepend(QLatin1Char('0'));
    QString inteiro = d.left(d.size() - 2);
    for (qsizetype p = inteiro.size() - 3; p > 0; p -= 3) inteiro.insert(p, QLatin1Char('.'));
    return inteiro + QLatin1Char(',') + d.right(2);
}

char TraduzTecla(char tecla) { return ::ValKeyBoard ? ::ValKeyBoard(tecla) : tecla; }

bool CPFValido(const QString& cpf) { return ::VerificaCPF ? ::VerificaCPF(cpf) : false; }

QChar SeparadorDecimal() { return QLatin1Char(','); }

QByteArray MapaBits(char c)
{
    QByteArray r(8, '0');
    const unsigned char u = static_cast<unsigned char>(c);
    for (int i = 0; i < 8; ++i)
        if (u & (0x80 >> i)) r[i] = '1';
    return r;
}

int ProcuraEntradaServicoW()
{
    const QByteArray tipo = Produto.texto(OffProduto::TIPO, 2);
    const QByteArray codigo = Produto.texto(OffProduto::CODIGO, 4);
    for (int i = 0; i < ServicoW.quantidade(); ++i) {
        const unsigned char* p = ServicoW.produto(i);
        if (!p) break;
        const QByteArray r(reinterpret_cast<const char*>(p), TAM_PRODUTO);
        if (r.mid(OffProduto::TIPO, 2) == tipo && r.mid(OffProduto::CODIGO, 4) == codigo) return i;
    }
    return -1;
}

QFrame* CriaPainel(QWidget* pai, const char* nome, int x, int y, int w, int h, bool rebaixado)
{
    auto* p = new QFrame(pai);
    p->setObjectName(QString::fromLatin1(nome));
    p->setGeometry(x, y, w, h);
    p->setAutoFillBackground(true);
    QPalette pal = p->palette();
    pal.setColor(QPalette::Window, QColor(0xDF, 0xDF, 0xDF));
    p->setPalette(pal);
    if (rebaixado) {
        p->setFrameShape(QFrame::Panel);
        p->setFrameShadow(QFrame::Sunken);
    } else {
        p->setFrameShape(QFrame::NoFrame);
    }
    return p;
}

QPushButton* CriaBotao(QWidget* pai, const char* nome, const QString& texto, int x)
{
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(QString::fromLatin1(nome));
    b->setGeometry(x, 4, 121, 33);
    b->setAutoDefault(true);
    b->setVisible(false);
    return b;
}

bool GravaBytes(uint16_t campo, const QByteArray& dados)
{
    return PontalGravaCampo(campo, 0, reinterpret_cast<const unsigned char*>(dados.constData()),
                            int32_t(dados.size())) == 0;
}

void FormataValor(QLineEdit* ed)
{
    if (ed->text().isEmpty()) return;
    const QString novo = TextoValor(SoDigitos(ed->text()));
    if (novo != ed->text()) {
        const QSignalBlocker bloqueio(ed);
        ed->setText(novo);
    }
    ed->setCursorPosition(int(ed->text().size()));
}

}  // namespace CapturaComum
