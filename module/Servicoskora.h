// Reply services kept by the host and the module-wide records built from
// them: the product table (W), the selected product, the other-transactions
// list (O), its time-stamp service (w) and the question (E) and merchant
// goods (L) services. Decoding is split into pure functions over bytes and
// the routines that fetch those bytes from the host's fields.
#pragma once
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int TAM_PRODUTO = 139;
constexpr int TAM_SERVICO_W = 2787;
constexpr int MAX_PRODUTOS_W = 20;
constexpr int TAM_SERVICO_O = 958;
constexpr int TAM_ENTRADA_O = 47;
constexpr int MAX_ENTRADAS_O = 20;
constexpr int TAM_SERVICO_WZINHO = 11;
constexpr int TAM_PRODUTO_ESPECIAL = 54;
constexpr int TAM_PRODUTO_LOJISTA = 50;

// Offsets of the product record the module and the forms read.
namespace OffProduto {
constexpr int TIPO = 5;         // 2 digits: 1 credit, 4 CDC consultation, 32 automatic capture
constexpr int CODIGO = 7;       // 4 characters, compared with field 10193
constexpr int NOME_ISSUER = 51; // 40 characters
constexpr int ATRIBUTO_10226 = 93;
constexpr int ATRIBUTO_10215 = 95;     // "1" also forces PIN capture
constexpr int TAXA_SERVICO = 97;       // "1" collects the service fee
constexpr int PARAM_TAXA_SERVICO = 98; // 2 digits
constexpr int TAXA_EMBARQUE = 100;     // "1" collects the boarding fee
constexpr int PERMITE_SAQUE = 101;
constexpr int AVISTA = 106;
constexpr int CREDITO_ADM = 107;
constexpr int CREDITO_LOJISTA = 108;
constexpr int DEBITO_CDC = 109;
constexpr int DEBITO_PREDATADO = 110;
constexpr int EMISSOR_DATA_PRIMEIRA = 111;
constexpr int GARANTIA_PREDATADO = 112;
constexpr int EMISSOR_ENTRADA = 113;
constexpr int EMISSOR_VALOR_PRIMEIRA = 114;
constexpr int TIPO_PRODUTO_CHIP = 116;
constexpr int MAX_PARCELAS_ADM = 117;          // 2 digits
constexpr int MAX_PARCELAS_EMISSOR = 119;      // 2 digits
constexpr int MAX_PARCELAS_LOJISTA = 121;      // 2 digits
constexpr int VALOR_MIN_PARCELA_LOJISTA = 123; // 6 digits
constexpr int DIAS_MAX_PREDATADO = 129;        // 4 digits
constexpr int DIAS_MAX_PRIMEIRA_EMISSOR = 133; // 4 digits
constexpr int PERMITE_ADVICE = 137;
constexpr int ATRIBUTO_10214 = 138;
} // namespace OffProduto

struct TProduto {
    unsigned char dados[TAM_PRODUTO] = {};

    // The character at `off`, '\0' outside the record.
    char em(int off) const { return off >= 0 && off < TAM_PRODUTO ? char(dados[off]) : '\0'; }
    // `n` bytes from `off`, cut at the record's end.
    QByteArray texto(int off, int n) const;
    // A number written in `n` digits at `off`; -1 when they are not digits.
    int numero(int off, int n) const;
    int tipo() const { return numero(OffProduto::TIPO, 2); }
    QByteArray codigo() const { return texto(OffProduto::CODIGO, 4); }
    void limpa();
};

// The product table.
struct TServicoW {
    unsigned char dados[TAM_SERVICO_W] = {};
    // Records present: the stored count, never more than fit in the table.
    int quantidade() const;
    // Record `i` (0-based); nullptr when it is not one of the records present.
    const unsigned char* produto(int i) const;
};

struct TEntradaServicoO {
    QByteArray codigo; // 4 characters
    QByteArray tipo;   // 2 characters; "15" bill payment
    QByteArray nome;   // 40 characters
    char tipoVenda = '\0';
};

// The other-transactions menu.
struct TServicoO {
    unsigned char dados[TAM_SERVICO_O] = {};
    QByteArray cabecalho() const;
    QByteArray timeStamp() const;
    int quantidadeGravada() const; // the 16-bit count as stored
    int quantidade() const;        // the entries actually held (at most 20)
    bool entrada(int i, TEntradaServicoO& e) const;
    void limpa();
    void defineVazio(); // "000000", "0000000000", no entries
};

// One w service: type byte and time stamp.
struct TServicoWzinho {
    unsigned char dados[TAM_SERVICO_WZINHO] = {};
    unsigned char tipo() const { return dados[0]; }
    QByteArray timeStamp() const;
};

struct TProdutosEspeciais {
    QByteArray dados; // 54 bytes: one question of the additional-information dialog
};
struct TDadosServicoE {
    int quantidade = 0;
    std::vector<TProdutosEspeciais> produtos;
};
struct TServicoE {
    int quantidade = 0; // groups decoded
    std::vector<TDadosServicoE> dados;
    void limpa() {
        quantidade = 0;
        dados.clear();
    }
};

struct TProdutosLojista {
    QByteArray dados; // 50 bytes: one merchant-goods entry
};
struct TDadosServicoL {
    int codigo = 0;
    char flag = '\0';
    QByteArray reservado; // 4 characters
    int quantidade = 0;
    std::vector<TProdutosLojista> produtos;
};
struct TServicoL {
    int quantidade = 0; // items decoded
    std::vector<TDadosServicoL> itens;
    void limpa() {
        quantidade = 0;
        itens.clear();
    }
};

// ---- Pure decoding ----------------------------------------------------------
// Each returns false when the bytes end before the counts say; what was read
// completely is kept and the counts then tell what the record really holds.
bool DecodificaServicoE(const unsigned char* dados, size_t tamanho, TServicoE& saida);
bool DecodificaServicoL(const unsigned char* dados, size_t tamanho, TServicoL& saida);
// Copies up to the record's size and zero-fills the rest; true when complete.
bool DecodificaServicoW(const unsigned char* dados, size_t tamanho, TServicoW& saida);
bool DecodificaServicoO(const unsigned char* dados, size_t tamanho, TServicoO& saida);
bool DecodificaServicoWzinho(const unsigned char* dados, size_t tamanho, TServicoWzinho& saida);
// Index of the first product whose code is `codigo`, -1 when none.
int ProcuraProdutoServicoW(const TServicoW& w, const QByteArray& codigo);
// Index of the first O entry of product kind `tipo`, -1 when none.
int ProcuraTipoServicoO(const TServicoO& o, const QByteArray& tipo);

// ---- Module-wide records ----------------------------------------------------
extern TProduto Produto;
extern TServicoE ServicoE;
extern TServicoL ServicoL;
extern TServicoO ServicoO;
extern TServicoW ServicoW;
extern TServicoWzinho ServicoWzinho;

// ---- Reading the host's reply services ----------------------------------------
// Rebuilds the records from the stored services; true when a W service came.
bool ProcuraMontaListaProdutoSelecionado();
void TrataServicoE(const unsigned char* dados, size_t tamanho);
void TrataServicoL(const unsigned char* dados, size_t tamanho);
// Reads the O service from its field into `o` (an empty list when absent) and
// compares its stamp; 0 = read. Fetching the list again is the menu query's.
int LeServicoO(TServicoO& o);
// Marks the other-transactions list for a new fetch (field 10224 "1") when
// `timeStamp` (first 10 characters) differs from the one kept in Cliente.ini,
// and keeps the new one.
void GravaComparaTimeStampMenuOutros(const char* timeStamp);
void TrataServicoWzinho();
// Selects the first O entry of kind `tipo` into field 10193.
bool VerificaGravaProduto(const QString& tipo);
