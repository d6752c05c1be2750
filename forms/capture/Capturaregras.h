// Rules of the capture dialogs that do not need a screen: decoding of the
// acquirer's question and goods records, checks of the answers and the exact
// byte layouts of fields 10221 and 10222.
#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

namespace Captura {

// One question of the E service (54 bytes on the wire).
struct TProdutoEspecial {
    QByteArray codigo; // code + both qualifiers, 7 bytes
    int minimo = 0;
    int maximo = 0;
    char duplaDigitacao = '0';
    char tipo = '6';      // data type character as sent
    QByteArray descricao; // 41 bytes, trailing blanks removed
};

constexpr int TAM_PRODUTO_ESPECIAL = 54;
constexpr int TAM_RESPOSTA_MAX = 100;
constexpr int QUESTOES_POR_PAGINA = 5;

// Decodes the question starting at `pos`; false when the record does not fit.
bool DecodificaProdutoEspecial(const QByteArray& buf, int pos, TProdutoEspecial& out);

// Numeric data type of a question (6 when the character is not a digit).
int TipoDado(char tipo);

// Result of checking one answer: message 0 means none is shown.
struct TValidacao {
    bool ok = true;
    int mensagem = 0;
    bool limpa = false;
};

// Checks an answer (already without formatting) against its question.
// `confirmada` tells whether a double-entry answer was typed twice.
// `cpfValido` is the common-services rule, given by the caller.
TValidacao ValidaResposta(const TProdutoEspecial& q, const QString& resposta, bool confirmada, bool cpfValido);

// DDMMYY or DDMMYYYY into a real calendar date.
bool DataValida(const QString& digitos);

// Accepts a key for a question of the given type; `texto` is the edit's text.
bool TeclaAceita(int tipo, QChar tecla, const QString& texto);

// Questions [primeira, ultima) shown on page `pagina` (1-based) out of `total`.
void FaixaPagina(int total, int pagina, int& primeira, int& ultima);

// Field 10221 from the answered questions.
struct TInfoAdicional {
    QByteArray codigo; // 7 bytes
    char tipo = '6';
    QByteArray resposta; // at most 100 bytes
};
QByteArray MontaCampoInfoAdicionais(const std::vector<TInfoAdicional>& itens);

// One good of the L service (50 bytes).
struct TProdutoLojista {
    QByteArray codigo;  // 4
    QByteArray unidade; // 4
    char mapa = 0;
    QByteArray descricao; // 41
};
constexpr int TAM_PRODUTO_LOJISTA = 50;
bool DecodificaProdutoLojista(const QByteArray& buf, int pos, TProdutoLojista& out);

// Operator's entry for a good (36 characters).
struct TEntradaLojista {
    bool gravado = false;
    QByteArray quantidade = QByteArray(6, '0');
    QByteArray valorUnitario = QByteArray(10, '0');
    QByteArray imposto = QByteArray(6, '0');
    QByteArray valorTotal = QByteArray(10, '0');
};

// Left-fills digits with "0" to the width, keeping the rightmost ones when longer.
QByteArray PreencheZeros(const QString& digitos, int largura);

// One recorded good as sent (42 bytes): L item flag + 4 chars, the good.
struct TItemEnvio {
    char flagItem = '0';
    QByteArray quatroItem; // 4
    TProdutoLojista produto;
    TEntradaLojista entrada;
};
QByteArray MontaCampoProdutosLojista(const std::vector<TItemEnvio>& itens);

// quantity (whole number) x unit value digits, shortest decimal text; empty
// when either is empty or not a number.
QString CalculaTotal(const QString& quantidade, const QString& digitosUnitario);

// Field map positions (1-based) of the eight "0"/"1" characters.
enum PosMapa { MAPA_QUANTIDADE = 1, MAPA_TOTAL = 2, MAPA_UNITARIO = 3, MAPA_IMPOSTO = 4 };
bool MapaHabilita(const QByteArray& mapaBits, int posicao);

} // namespace Captura
