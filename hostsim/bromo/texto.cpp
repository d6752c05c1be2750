// Text, amount, date and validation helpers of the common-services package,
// with Brazilian conventions.
#include "bromo.h"

#include "hostlib.h"

#include <QDate>

namespace {

// The forms the module passes dates in. For real dates an eight-digit text
// reads one way only: as yyyyMMdd its month would be the century of ddMMyyyy.
const char* const FORMATOS_DATA[] = {"ddMMyyyy", "yyyyMMdd", "dd/MM/yyyy", "yyyy-MM-dd"};

QDate LeData(const QString& texto, QString* formato = nullptr) {
    const QString t = texto.trimmed();
    for (const char* f : FORMATOS_DATA) {
        const QString fmt = QString::fromLatin1(f);
        if (t.size() != fmt.size()) continue;
        const QDate d = QDate::fromString(t, fmt);
        if (d.isValid()) {
            if (formato) *formato = fmt;
            return d;
        }
    }
    return {};
}

QString DeslocaData(const QString& texto, qint64 dias) {
    QString formato;
    const QDate d = LeData(texto, &formato);
    return d.isValid() ? d.addDays(dias).toString(formato) : QString();
}

QString EscreveData(const QDate& d) { return d.isValid() ? d.toString(QStringLiteral("ddMMyyyy")) : QString(); }

} // namespace

QString Dollar(const QString& digitos) {
    QString d = RemoveFormato(digitos);
    while (d.size() > 1 && d.startsWith('0')) d.remove(0, 1);
    d = d.rightJustified(3, '0');
    const QString centavos = d.right(2);
    QString inteiro = d.left(d.size() - 2);
    for (qsizetype p = inteiro.size() - 3; p > 0; p -= 3) inteiro.insert(p, '.');
    return inteiro + ',' + centavos;
}

QString RemoveFormato(const QString& texto) {
    QString r;
    r.reserve(texto.size());
    for (QChar c : texto)
        if (c >= '0' && c <= '9') r += c;
    return r;
}

QString CompletaBrancosAEsquerda(const QString& texto, int tamanho) { return texto.rightJustified(tamanho, ' '); }

QString PreencherZerosEsquerda(const QString& texto, int tamanho) { return texto.rightJustified(tamanho, '0'); }

QString JustificaDireita(const QString& texto, int tamanho) { return texto.rightJustified(tamanho, ' '); }

QString CentralizaMensagem(const QString& texto, int tamanho) {
    if (tamanho <= 0) return {};
    const QString t = texto.trimmed().left(tamanho);
    const int esquerda = int((tamanho - t.size()) / 2);
    return (QString(esquerda, ' ') + t).leftJustified(tamanho, ' ');
}

QString Replicate(QChar c, int vezes) { return vezes > 0 ? QString(vezes, c) : QString(); }

QString CopiaSubStringDelimitador(const QString& texto, QChar delimitador, int ordem) {
    if (ordem < 1) return {};
    const QStringList partes = texto.split(delimitador);
    return ordem <= partes.size() ? partes[ordem - 1] : QString();
}

void ConvHexaBinarioStr(const QString& hexa, int modo, QByteArray& saida) {
    saida.clear();
    auto bits = [&saida](int valor, int n) {
        for (int b = n - 1; b >= 0; --b) saida += (valor >> b) & 1 ? '1' : '0';
    };
    if (modo == 1) {
        for (QChar c : hexa) bits(c.unicode() & 0xFF, 8);
        return;
    }
    for (QChar c : hexa) {
        const int v = QStringLiteral("0123456789ABCDEF").indexOf(c.toUpper());
        if (v < 0) {
            saida.clear();
            return;
        }
        bits(v, 4);
    }
}

QString ConvBinarioZonado(unsigned char valor) { return QString::number(valor).rightJustified(2, '0'); }

QString SomaData(const QString& data, int dias) { return DeslocaData(data, dias); }

QString SubtraiData(const QString& data, int dias) { return DeslocaData(data, -qint64(dias)); }

QStringList GeraParcelas(const QString& primeiraData, const QString& valor, int numParcelas, int intervaloDias,
                         bool mesFechado) {
    const QDate primeira = LeData(primeiraData);
    const QString digitos = RemoveFormato(valor);
    if (!primeira.isValid() || numParcelas < 1 || numParcelas > 99 || digitos.isEmpty() || digitos.size() > 12 ||
        (!mesFechado && intervaloDias < 1))
        return {};
    const qint64 total = digitos.toLongLong();
    const qint64 parcela = total / numParcelas;
    const qint64 resto = total % numParcelas;
    QStringList r;
    for (int i = 0; i < numParcelas; ++i) {
        const QDate d = mesFechado ? primeira.addMonths(i) : primeira.addDays(qint64(i) * intervaloDias);
        const qint64 v = parcela + (i == 0 ? resto : 0);
        r << EscreveData(d) + QString::number(v).rightJustified(12, '0');
    }
    return r;
}

char ValKeyBoard(char tecla) {
    const auto c = static_cast<unsigned char>(tecla);
    if (c == '\n') return 13; // some keyboards send line feed for Enter
    if (c == 8 || c == 9 || c == 13 || c == 27 || c == 127) return tecla;
    if (c < 0x20) return '\0';
    return tecla;
}

bool ValidaTaxaServico(const QString& valor, const QString& taxa, double taxaProduto) {
    if (auto r = hostsim::ProximaResposta(QStringLiteral("ValidaTaxaServico")))
        return r->value("result").toVariant().toBool();
    const qint64 fee = RemoveFormato(taxa).left(15).toLongLong();
    if (fee == 0) return true;
    const qint64 amount = RemoveFormato(valor).left(15).toLongLong();
    if (taxaProduto > 0) return double(fee) * 100.0 <= double(amount) * taxaProduto + 1e-6;
    return fee < amount;
}

bool VerificaCPF(const QString& cpf) {
    if (auto r = hostsim::ProximaResposta(QStringLiteral("VerificaCPF")))
        return r->value("result").toVariant().toBool();
    const QString d = RemoveFormato(cpf);
    if (d.size() != 11) return false;
    if (d.count(d[0]) == 11) return false; // 000.000.000-00 and the like pass the sums
    auto digito = [&d](int n) {
        int soma = 0;
        for (int i = 0; i < n; ++i) soma += d[i].digitValue() * (n + 1 - i);
        const int r = (soma * 10) % 11;
        return r == 10 ? 0 : r;
    };
    return digito(9) == d[9].digitValue() && digito(10) == d[10].digitValue();
}
