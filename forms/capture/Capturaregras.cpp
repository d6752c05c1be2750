#include "capture/Capturaregras.h"

#include <QDate>

namespace Captura {

namespace {

// Two ASCII digits at pos; fallback when absent or not digits.
int DoisDigitos(const QByteArray& buf, int pos, int padrao) {
    if (pos < 0 || pos + 2 > buf.size()) return padrao;
    const char a = buf[pos], b = buf[pos + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return padrao;
    return (a - '0') * 10 + (b - '0');
}

QByteArray SemBrancosFinais(QByteArray s) {
    while (!s.isEmpty() && (s.back() == ' ' || s.back() == '\0')) s.chop(1);
    return s;
}

bool SoDigitos(const QString& s) {
    for (QChar c : s)
        if (!c.isDigit() || c.unicode() > 127) return false;
    return true;
}

} // namespace

bool DecodificaProdutoEspecial(const QByteArray& buf, int pos, TProdutoEspecial& out) {
    if (pos < 0 || pos > buf.size() - TAM_PRODUTO_ESPECIAL) return false;
    out.codigo = buf.mid(pos, 7);
    out.minimo = DoisDigitos(buf, pos + 7, 0);
    out.maximo = DoisDigitos(buf, pos + 9, 0);
    out.duplaDigitacao = buf[pos + 11];
    out.tipo = buf[pos + 12];
    out.descricao = SemBrancosFinais(buf.mid(pos + 13, 41));
    return true;
}

int TipoDado(char tipo) { return (tipo >= '0' && tipo <= '9') ? tipo - '0' : 6; }

bool DataValida(const QString& digitos) {
    if (!SoDigitos(digitos)) return false;
    int dia = 0, mes = 0, ano = 0;
    if (digitos.size() == 6) {
        dia = digitos.mid(0, 2).toInt();
        mes = digitos.mid(2, 2).toInt();
        ano = 2000 + digitos.mid(4, 2).toInt();
    } else if (digitos.size() == 8) {
        dia = digitos.mid(0, 2).toInt();
        mes = digitos.mid(2, 2).toInt();
        ano = digitos.mid(4, 4).toInt();
    } else {
        return false;
    }
    return ano > 0 && QDate::isValid(ano, mes, dia);
}

TValidacao ValidaResposta(const TProdutoEspecial& q, const QString& resposta, bool confirmada, bool cpfValido) {
    const int tam = resposta.size();
    if (tam < q.minimo || tam > q.maximo) return {false, 1041, false};
    if (q.duplaDigitacao == '1' && !confirmada) return {false, 0, false};
    if (tam == 0 && q.minimo == 0) return {};
    switch (TipoDado(q.tipo)) {
    case 2:
        if (!SoDigitos(resposta)) return {false, 2592, false};
        break;
    case 3:
        if (!cpfValido) return {false, 2591, false};
        break;
    case 4: {
        bool ok = false;
        const qulonglong v = SoDigitos(resposta) ? resposta.toULongLong(&ok) : 0;
        if (!ok || v == 0) return {false, 0, false};
        if (tam > q.maximo) return {false, 1309, true};
        break;
    }
    case 5:
        if (!DataValida(resposta)) return {false, 787, true};
        break;
    default: break;
    }
    return {};
}

bool TeclaAceita(int tipo, QChar tecla, const QString& texto) {
    const ushort u = tecla.unicode();
    if (u == 8 || u == 13) return true;
    const bool digito = u >= '0' && u <= '9';
    switch (tipo) {
    case 2:
    case 3:
    case 5: return digito;
    case 4:
        if (digito) return true;
        if (u == ',' || u == '.') return !texto.contains(QLatin1Char(',')) && !texto.contains(QLatin1Char('.'));
        return false;
    default: return digito || u == ' ' || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
    }
}

void FaixaPagina(int total, int pagina, int& primeira, int& ultima) {
    if (total < 0) total = 0;
    primeira = pagina < 1 ? 0 : (pagina - 1) * QUESTOES_POR_PAGINA;
    if (primeira > total) primeira = total;
    ultima = primeira + QUESTOES_POR_PAGINA;
    if (ultima > total) ultima = total;
}

QByteArray MontaCampoInfoAdicionais(const std::vector<TInfoAdicional>& itens) {
    QByteArray campo = QByteArray::number(qulonglong(itens.size()));
    campo += ';';
    for (const TInfoAdicional& i : itens) {
        QByteArray cod = i.codigo.left(7);
        cod.append(QByteArray(7 - cod.size(), ' '));
        campo += cod;
        campo += i.tipo;
        campo += i.resposta.left(TAM_RESPOSTA_MAX);
        campo += ';';
    }
    return campo;
}

bool DecodificaProdutoLojista(const QByteArray& buf, int pos, TProdutoLojista& out) {
    if (pos < 0 || pos > buf.size() - TAM_PRODUTO_LOJISTA) return false;
    out.codigo = buf.mid(pos, 4);
    out.unidade = buf.mid(pos + 4, 4);
    out.mapa = buf[pos + 8];
    out.descricao = buf.mid(pos + 9, 41);
    return true;
}

QByteArray PreencheZeros(const QString& digitos, int largura) {
    QByteArray d = digitos.trimmed().toLatin1();
    if (d.size() > largura) d = d.right(largura);
    return QByteArray(largura - d.size(), '0') + d;
}

namespace {
QByteArray Largura(const QByteArray& s, int largura, char enche) {
    QByteArray r = s.left(largura);
    r.append(QByteArray(largura - r.size(), enche));
    return r;
}
} // namespace

QByteArray MontaCampoProdutosLojista(const std::vector<TItemEnvio>& itens) {
    QByteArray campo = QByteArray::number(qulonglong(itens.size()));
    campo += ';';
    for (const TItemEnvio& i : itens) {
        campo += i.flagItem;
        campo += Largura(i.quatroItem, 4, ' ');
        campo += Largura(i.produto.codigo, 4, ' ');
        campo += i.produto.mapa;
        campo += Largura(i.entrada.quantidade, 6, '0');
        campo += Largura(i.entrada.valorTotal, 10, '0');
        campo += Largura(i.entrada.valorUnitario, 10, '0');
        campo += Largura(i.entrada.imposto, 6, '0');
    }
    return campo;
}

QString CalculaTotal(const QString& quantidade, const QString& digitosUnitario) {
    const QString q = quantidade.trimmed(), u = digitosUnitario.trimmed();
    if (q.isEmpty() || u.isEmpty() || !SoDigitos(q) || !SoDigitos(u)) return {};
    bool ok1 = false, ok2 = false;
    const qulonglong a = q.toULongLong(&ok1), b = u.toULongLong(&ok2);
    if (!ok1 || !ok2) return {};
    if (b != 0 && a > ~0ULL / b) return {};
    return QString::number(a * b);
}

bool MapaHabilita(const QByteArray& mapaBits, int posicao) {
    return posicao >= 1 && posicao <= mapaBits.size() && mapaBits[posicao - 1] == '1';
}

} // namespace Captura
