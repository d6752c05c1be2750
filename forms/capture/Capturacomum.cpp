#include "capture/Capturacomum.h"

#include "Servicoskora.h"
#include "bromo.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace CapturaComum {

QString SoDigitos(const QString& texto) { return ::RemoveFormato(texto); }

QString TextoValor(const QString& digitos) { return ::Dollar(digitos); }

char TraduzTecla(char tecla) { return ::ValKeyBoard(tecla); }

bool CPFValido(const QString& cpf) { return ::VerificaCPF(cpf); }

QChar SeparadorDecimal() { return QLatin1Char(','); }

QByteArray MapaBits(char c) {
    QByteArray r(8, '0');
    const unsigned char u = static_cast<unsigned char>(c);
    for (int i = 0; i < 8; ++i)
        if (u & (0x80 >> i)) r[i] = '1';
    return r;
}

int ProcuraEntradaServicoW() {
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

void FormataValor(QLineEdit* ed) {
    if (ed->text().isEmpty()) return;
    const QString novo = TextoValor(SoDigitos(ed->text()));
    if (novo != ed->text()) {
        const QSignalBlocker bloqueio(ed);
        ed->setText(novo);
    }
    ed->setCursorPosition(int(ed->text().size()));
}

} // namespace CapturaComum
