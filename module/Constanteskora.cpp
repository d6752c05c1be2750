#include "Constanteskora.h"

#include <initializer_list>

namespace {
constexpr TSmallintSet Conjunto(std::initializer_list<int> membros) {
    TSmallintSet s{};
    for (int n : membros) s.bits[n >> 3] = uint8_t(s.bits[n >> 3] | (1u << (n & 7)));
    return s;
}
} // namespace

#define KORA_DEFINE_INTPOS(nome, valor) const uint16_t INTPOS_TRANSACAO_HABILITADA_##nome = valor;
#define KORA_DEFINE_PONTAL(nome, valor) const uint16_t PONTAL_##nome = valor;
KORA_INTPOS_LISTA(KORA_DEFINE_INTPOS)
KORA_PONTAL_LISTA(KORA_DEFINE_PONTAL)

const double TIMEOUT = 40.0;
const uint16_t MAX_TAM_CARTAO = 19;
const uint16_t MIN_TAM_CARTAO = 11;
const uint16_t TAM_VALIDADE = 4;
const uint16_t MAX_TENTATIVAS = 20;

const TSmallintSet SET_ERROS_CARTAO = Conjunto({40, 41, 44, 46, 49, 58, 105, 158});
const TSmallintSet SET_CANCELADO = Conjunto({5, 9, 90});

// \xC7 = 'Ç', \xC3 = 'Ã' in Latin-1.
const char MSG_SUCESSO[] = "OPERA\xC7\xC3O REALIZADA COM SUCESSO.";
const char MSG_CANCEL[] = "OPERA\xC7\xC3O CANCELADA.";
const char MSG_NAO_ACEITO[] = "     CARTAO     \r   NAO ACEITO   ";
const char MSG_CONECTE[] = "ERRO CONECTE PIN (";
const char MSG_REPETIR[] = ")   \r  TENTE DE NOVO  ";
const char MSG_OBRIGADO[] = "    OBRIGADO    ";
const char MSG_BRANCOS[] = "                ";
const char MSG_KORANET[] = " *** TULEN ***  ";
