#include "Servicoskora.h"

#include "Campos.h"
#include "bromo.h"
#include "LeitorBytes.h"
#include "Contextokora.h"
#include "platform.h"
#include "pontal.h"

#include <algorithm>
#include <cstring>

TProduto Produto;
TServicoE ServicoE;
TServicoL ServicoL;
TServicoO ServicoO;
TServicoW ServicoW;
TServicoWzinho ServicoWzinho;

namespace {
QByteArray Fatia(const unsigned char* base, int total, int off, int n) {
    if (off < 0 || n <= 0 || off >= total) return {};
    n = std::min(n, total - off);
    return QByteArray(reinterpret_cast<const char*>(base + off), n);
}

int Numero(const QByteArray& t) {
    if (t.isEmpty()) return -1;
    int r = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return -1;
        r = r * 10 + (c - '0');
    }
    return r;
}

int LeU16(const unsigned char* p) { return p[0] | (p[1] << 8); }

// Fixed-size records: copy what there is, zero the rest.
bool CopiaRegistro(const unsigned char* dados, size_t tamanho, unsigned char* destino, size_t capacidade) {
    if (!dados) tamanho = 0;
    const size_t n = std::min(tamanho, capacidade);
    if (n) std::memcpy(destino, dados, n);
    std::memset(destino + n, 0, capacidade - n);
    return tamanho >= capacidade;
}
} // namespace

// ---- Records ------------------------------------------------------------------

QByteArray TProduto::texto(int off, int n) const { return Fatia(dados, TAM_PRODUTO, off, n); }
int TProduto::numero(int off, int n) const { return Numero(texto(off, n)); }
void TProduto::limpa() { std::memset(dados, 0, sizeof dados); }

int TServicoW::quantidade() const { return std::clamp(LeU16(dados + 5), 0, MAX_PRODUTOS_W); }
const unsigned char* TServicoW::produto(int i) const {
    if (i < 0 || i >= quantidade()) return nullptr;
    return dados + 7 + i * TAM_PRODUTO;
}

QByteArray TServicoO::cabecalho() const { return Fatia(dados, TAM_SERVICO_O, 0, 6); }
QByteArray TServicoO::timeStamp() const { return Fatia(dados, TAM_SERVICO_O, 6, 10); }
int TServicoO::quantidadeGravada() const { return LeU16(dados + 16); }
int TServicoO::quantidade() const { return std::min(quantidadeGravada(), MAX_ENTRADAS_O); }
bool TServicoO::entrada(int i, TEntradaServicoO& e) const {
    if (i < 0 || i >= quantidade()) return false;
    const int base = 18 + i * TAM_ENTRADA_O;
    e.codigo = Fatia(dados, TAM_SERVICO_O, base, 4);
    e.tipo = Fatia(dados, TAM_SERVICO_O, base + 4, 2);
    e.nome = Fatia(dados, TAM_SERVICO_O, base + 6, 40);
    e.tipoVenda = char(dados[base + 46]);
    return true;
}
void TServicoO::limpa() { std::memset(dados, 0, sizeof dados); }
void TServicoO::defineVazio() {
    limpa();
    std::memcpy(dados, "000000", 6);
    std::memcpy(dados + 6, "0000000000", 10);
}

QByteArray TServicoWzinho::timeStamp() const { return Fatia(dados, TAM_SERVICO_WZINHO, 1, 10); }

// ---- Pure decoding ------------------------------------------------------------

bool DecodificaServicoE(const unsigned char* dados, size_t tamanho, TServicoE& saida) {
    saida.limpa();
    LeitorBytes r(dados, tamanho);
    uint16_t grupos = 0;
    if (!r.u16(grupos)) return false;
    // Each group takes at least 3 bytes: do not trust the count for the reserve.
    saida.dados.reserve(std::min<size_t>(grupos, r.restante() / 3));
    for (int g = 0; g < grupos; ++g) {
        TDadosServicoE grupo;
        if (!r.digitos(2, grupo.quantidade)) break;
        if (grupo.quantidade >= 1) {
            const int declarados = grupo.quantidade;
            for (int i = 0; i < declarados; ++i) {
                TProdutosEspeciais p;
                if (!r.bytes(TAM_PRODUTO_ESPECIAL, p.dados)) break;
                grupo.produtos.push_back(std::move(p));
            }
            grupo.quantidade = int(grupo.produtos.size());
        } else {
            r.pula(1);
        }
        if (!r.ok() && grupo.produtos.empty()) break;
        saida.dados.push_back(std::move(grupo));
        if (!r.ok()) break;
    }
    saida.quantidade = int(saida.dados.size());
    return r.ok();
}

bool DecodificaServicoL(const unsigned char* dados, size_t tamanho, TServicoL& saida) {
    saida.limpa();
    LeitorBytes r(dados, tamanho);
    uint16_t itens = 0;
    if (!r.u16(itens)) return false;
    saida.itens.reserve(std::min<size_t>(itens, r.restante() / 3));
    for (int n = 0; n < itens; ++n) {
        TDadosServicoL item;
        if (!r.digitos(2, item.codigo)) break;
        if (item.codigo == 1) {
            unsigned char flag = 0;
            if (!r.byte(flag) || !r.bytes(4, item.reservado) || !r.digitos(2, item.quantidade)) break;
            item.flag = char(flag);
            const int declarados = item.quantidade;
            for (int i = 0; i < declarados; ++i) {
                TProdutosLojista p;
                if (!r.bytes(TAM_PRODUTO_LOJISTA, p.dados)) break;
                item.produtos.push_back(std::move(p));
            }
            item.quantidade = int(item.produtos.size());
        } else if (!r.pula(1)) {
            break;
        }
        saida.itens.push_back(std::move(item));
        if (!r.ok()) break;
    }
    saida.quantidade = int(saida.itens.size());
    return r.ok();
}

bool DecodificaServicoW(const unsigned char* dados, size_t tamanho, TServicoW& saida) {
    return CopiaRegistro(dados, tamanho, saida.dados, sizeof saida.dados);
}

bool DecodificaServicoO(const unsigned char* dados, size_t tamanho, TServicoO& saida) {
    return CopiaRegistro(dados, tamanho, saida.dados, sizeof saida.dados);
}

bool DecodificaServicoWzinho(const unsigned char* dados, size_t tamanho, TServicoWzinho& saida) {
    return CopiaRegistro(dados, tamanho, saida.dados, sizeof saida.dados);
}

int ProcuraProdutoServicoW(const TServicoW& w, const QByteArray& codigo) {
    if (codigo.size() != 4) return -1;
    for (int i = 0; i < w.quantidade(); ++i)
        if (std::memcmp(w.produto(i) + OffProduto::CODIGO, codigo.constData(), 4) == 0) return i;
    return -1;
}

int ProcuraTipoServicoO(const TServicoO& o, const QByteArray& tipo) {
    TEntradaServicoO e;
    for (int i = 0; o.entrada(i, e); ++i)
        if (e.tipo == tipo) return i;
    return -1;
}

// ---- Host side ------------------------------------------------------------------

void TrataServicoE(const unsigned char* dados, size_t tamanho) { DecodificaServicoE(dados, tamanho, ServicoE); }
void TrataServicoL(const unsigned char* dados, size_t tamanho) { DecodificaServicoL(dados, tamanho, ServicoL); }

int LeServicoO(TServicoO& o) {
    // A short read must not leave a previous list's entries behind it.
    o.limpa();
    int lidos = 0;
    const int r = PontalLeCampoMaxLen(CAMPO_SERVICO_O, 0, reinterpret_cast<char*>(o.dados), lidos, TAM_SERVICO_O - 1);
    if (r != 0) o.defineVazio();
    GravaComparaTimeStampMenuOutros(o.timeStamp().constData());
    return r;
}

void GravaComparaTimeStampMenuOutros(const char* timeStamp) {
    const QString novo =
        QString::fromLatin1(timeStamp ? timeStamp : "", timeStamp ? qsizetype(strnlen(timeStamp, 10)) : 0);
    const QString atual =
        Plataforma::LeIni(QStringLiteral("Cliente.ini"), QStringLiteral("MENU_OUTROS"), QStringLiteral("TimeStamp"));
    if (atual == novo) return;
    // Unmarked, the list would be fetched again only when another stamp arrives.
    if (!Campos::Grava(CAMPO_ESTADO_MENU_OUTROS, QStringLiteral("1"))) return;
    Plataforma::GravaIni(QStringLiteral("Cliente.ini"), QStringLiteral("MENU_OUTROS"), QStringLiteral("TimeStamp"),
                         novo);
}

void TrataServicoWzinho() {
    const int n = Campos::LeNumero(CAMPO_QTD_SERVICOS_W, 0);
    for (int i = 0; i < n && i <= 0xFFFF; ++i) {
        const QByteArray b = Campos::LeBytes(CAMPO_SERVICOS_W, TAM_SERVICO_WZINHO, i);
        DecodificaServicoWzinho(reinterpret_cast<const unsigned char*>(b.constData()), size_t(b.size()), ServicoWzinho);
        // The type byte read as two decimal digits: "01" is the menu's stamp.
        if (ServicoWzinho.tipo() == 1) {
            GravaComparaTimeStampMenuOutros(ServicoWzinho.timeStamp().constData());
            break;
        }
    }
}

bool VerificaGravaProduto(const QString& tipo) {
    TEntradaServicoO e;
    const int i = ProcuraTipoServicoO(ServicoO, tipo.toLatin1());
    if (i >= 0 && ServicoO.entrada(i, e)) {
        return Campos::Grava(CAMPO_CODIGO_PRODUTO, QString::fromLatin1(e.codigo));
    }
    // Without the product the list is stale: fetch it again next time.
    if (!Campos::Grava(CAMPO_ESTADO_MENU_OUTROS, QStringLiteral("1")))
        Audita(QStringLiteral("Kora41 - estado do menu outros nao gravado"));
    return false;
}

bool ProcuraMontaListaProdutoSelecionado() {
    const int n = std::max(Numero(Campos::LeBytes(CAMPO_QTD_SERVICOS_GUARDADOS, 4).trimmed()), 0);

    ServicoE.limpa();
    ServicoL.limpa();
    ServicoO.limpa();

    bool veioO = false, veioW = false;
    for (int i = 0; i < n; ++i) {
        const QByteArray servico = Campos::LeBytes(CAMPO_SERVICOS_GUARDADOS, 8192, i);
        if (servico.isEmpty()) continue;
        const auto* resto = reinterpret_cast<const unsigned char*>(servico.constData()) + 1;
        const size_t tamResto = size_t(servico.size() - 1);
        switch (servico[0]) {
        case 'E': TrataServicoE(resto, tamResto); break;
        case 'L': TrataServicoL(resto, tamResto); break;
        case 'O':
            veioO = true;
            if (Campos::GravaBytes(CAMPO_SERVICO_O,
                                   QByteArray(reinterpret_cast<const char*>(resto), qsizetype(tamResto))))
                LeServicoO(ServicoO);
            break;
        case 'W':
            DecodificaServicoW(resto, tamResto, ServicoW);
            veioW = true;
            break;
        default: break;
        }
    }

    if (veioO && !veioW) return false;

    TrataServicoWzinho();
    LeServicoO(ServicoO);
    const int i = ProcuraProdutoServicoW(ServicoW, Campos::Le(CAMPO_CODIGO_PRODUTO).toLatin1());
    if (i >= 0) std::memcpy(Produto.dados, ServicoW.produto(i), TAM_PRODUTO);

    // A product never selected has no attributes: write empty texts, not NUL bytes.
    auto atributo = [](int off) {
        const char c = Produto.em(off);
        return c ? QString(QChar::fromLatin1(c)) : QString();
    };
    if (!Campos::Grava(CAMPO_ATRIBUTO_PRODUTO_138, atributo(OffProduto::ATRIBUTO_10214)) ||
        !Campos::Grava(CAMPO_ATRIBUTO_PRODUTO_95, atributo(OffProduto::ATRIBUTO_10215)) ||
        !Campos::Grava(CAMPO_ATRIBUTO_PRODUTO_93, atributo(OffProduto::ATRIBUTO_10226)))
        Audita(QStringLiteral("Kora41 - atributos do produto nao gravados"));
    return veioW;
}
