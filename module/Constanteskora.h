// Typed constants the module exports to the host: enabled-transaction
// positions, terminal flag positions, limits, pinpad result sets and the
// pinpad's display texts. They are plain data symbols with C names so that
// the host can look them up in the library.
#pragma once
#include <cstdint>

#define KORA_DADO extern "C" __attribute__((visibility("default")))

// A set of the integers 1 to 255, stored as a 256-bit mask (bit n = member n).
struct TSmallintSet {
    uint8_t bits[32];
    constexpr bool contem(int n) const { return n >= 1 && n <= 255 && (bits[n >> 3] >> (n & 7)) & 1; }
};

// Positions in the point of sale's list of enabled transactions, in the
// host's declaration order (the second block restarts at 1).
#define KORA_INTPOS_LISTA(X)                                                                                           \
    X(PRE_AUTORIZACAO, 1)                                                                                              \
    X(CANCEL_PRE, 2)                                                                                                   \
    X(CAPTURA_PRE, 3) X(CANCEL_CAPTURA_PRE, 4) X(CREDITO, 5) X(CONSULTA_PARCELAS, 6) X(CANCEL_CREDITO, 7) X(           \
        FININVEST, 8) X(DEBITO_AVISTA, 11) X(DEBITO_PREDATADO, 13) X(CANCEL_DEBITO, 14) X(DEBITO_PARCELADO, 15)        \
        X(CONSULTA_CDC, 17) X(VENDA_CDC, 18) X(CONSULTA_CHEQUE_TECBAN, 19) X(CONSULTA_CHEQUE_SERASA, 20) X(            \
            CONSULTA_CHEQUE_TELE, 21) X(CONSULTA_CHEQUE_OUTRAS, 22) X(CONSULTA_CHEQUECASH, 23) X(CONSULTA_SERASA_RS53, \
                                                                                                 24)                   \
            X(CONSULTA_TELECHEQUE, 25) X(MENUADM_CANCELAMENTO, 27) X(MENUADM_CONFIGURACOES, 28) X(                     \
                MENUADM_REIMPRESSAO, 29) X(MENUADM_CADUSUARIOS, 30) X(FININVEST_VENDA, 31) X(FININVEST_SAQUE, 32)      \
                X(FININVEST_CONSULTA, 33) X(FININVEST_ESTORNOS, 34) X(PAGAMENTO_BANRISUL, 35) X(GARANTIA_CHEQUE, 36)   \
                    X(CANCEL_GARANTIA, 37) X(PAGAMENTO_FATURA, 38) X(CANCEL_PAGTO_FATURA, 39) X(CORRESP_BANCARIO, 40)  \
                        X(CANCEL_CORRESP_BANC, 41) X(PAGTO_FATURA_SOFTWAY, 43) X(CANCEL_PAGTO_FATURA_SOFTWAY, 44)      \
                            X(FECHAMENTO_LOTE, 46) X(CONSULTA_STATUS_LOTE, 47) X(DEVOLUCAO_CREDITO, 48) X(             \
                                DEVOLUCAO_DEBITO,                                                                      \
                                49) X(CREDITO_UM_MINUTO, 54) X(BANCO_SIM_PARCELADO, 55)                                \
                                X(PAGAMENTO_IBI, 56) X(PAGAMENTO_COOPERCRED, 57) X(CONSULTA_SALDO_CREDITO, 58) X(      \
                                    CONSULTA_SALDO_DEBITO, 59) X(PAGAMENTO_CONVENIO,                                   \
                                                                 60) X(CANC_PAGAMENTO_CONVENIO, 61)                    \
                                    X(SAQUE_CREDITO, 62) X(CANC_SAQUE_CREDITO, 63) X(CONSULTA_EXTRATO, 64) X(          \
                                        CONSULTA_CONVENIO, 65) X(CONSULTA_LIBERACAO_CARTAO, 66)                        \
                                        X(CONSULTA_ULTIMA_FATURA, 67) X(LIBERACAO_CARTAO, 68) X(                       \
                                            ALTERACAO_SENHA, 69) X(CONSULTA_TOTAIS_COMPRAS,                            \
                                                                   70) X(CONSULTA_DADOS_COMPRAS, 71)                   \
                                            X(DEBITO_VISTA_GIFT, 72) X(RECARGA_GIFT, 73) X(CONSULTA_SALDO_GIFT, 74) X( \
                                                CANCEL_VENDA_GIFT, 75) X(CANCEL_RECARGA_GIFT, 76)                      \
                                                X(BOTAO_REDECARD_OUTROS, 77) X(BOTAO_KORANET_OUTROS, 78) X(            \
                                                    MENUADM_OUTRASFUNCOES, 79) X(TRANSACOES_ESPECIAIS,                 \
                                                                                 80) X(PAGAMENTO_CARNE_DEBITO,         \
                                                                                       81) X(CANC_SAQUE_DEBITO, 82)    \
                                                    X(DESBLOQUEIO_CARTAO, 83) X(RECARGA_CARTAO_CREDITO, 84) X(         \
                                                        CANC_RECARGA_CARTAO_CREDITO, 85) X(PAGAMENTO_VALIDATA, 86)     \
                                                        X(PAGAMENTO_CITIBANK, 87) X(CANC_RECARGA_CARTAO_DEBITO, 88) X( \
                                                            PAGTO_PARCELA_CCS, 1) X(CANC_PAGTO_PARCELA_CCS, 2)         \
                                                            X(CONSULTA_VALOR_PAGTO, 3) X(CONSULTA_EXTRATO_CARTAO, 4)   \
                                                                X(CONSULTA_EXTRATO_CPF, 5) X(VENDA_MILHA, 6)           \
                                                                    X(VENDA_OUTROS, 7) X(ESTORNO_VENDA_MILHA, 8) X(    \
                                                                        ESTORNO_VENDA_OUTROS,                          \
                                                                        9) X(CONSULTA_MILHAS_CARTAO,                   \
                                                                             10) X(CONSULTA_MILHAS_CPF,                \
                                                                                   11) X(MINI_EXTRATO_CARTAO,          \
                                                                                         12) X(MINI_EXTRATO_CPF, 13)   \
                                                                        X(INCLUSAO_CADASTRO, 14) X(ALTERACAO_CADASTRO, \
                                                                                                   15)                 \
                                                                            X(INFO_CADASTRAIS_CARTAO,                  \
                                                                              16) X(INFO_CADASTRAIS_CPF, 17)           \
                                                                                X(AUT_GEN_VENDA_CHQ,                   \
                                                                                  18) X(AUT_GEN_CANC_VENDA_CHQ, 19)    \
                                                                                    X(COMPOSICAO_FATURA_CARTAO, 20)    \
                                                                                        X(COMPOSICAO_FATURA_CPF, 21)

// Terminal positions: enabled-transaction list, operation-mode flags and
// data-collection flags (1-based character positions of "0"/"1" texts).
#define KORA_PONTAL_LISTA(X)                                                                                           \
    X(TRANSACAO_HABILITADA_TERMINAL_1, 1)                                                                              \
    X(TRANSACAO_HABILITADA_TERMINAL_2, 2)                                                                              \
    X(TRANSACAO_HABILITADA_TERMINAL_3, 3) X(TRANSACAO_HABILITADA_TERMINAL_4, 4)                                        \
        X(MODO_OPERACAO_TERMINAL_PRIM_PARC_AVISTA, 1) X(MODO_OPERACAO_TERMINAL_MES_FECHADO, 2) X(                      \
            MODO_OPERACAO_TERMINAL_NOTA_PROMISSORIA, 3) X(MODO_COLETA_DADOS_SENHA, 1) X(MODO_COLETA_DADOS_EMBOSSO, 2)  \
            X(MODO_COLETA_DADOS_TAXA, 3) X(MODO_COLETA_DADOS_CODIGO_SEGURANCA, 4) X(                                   \
                MODO_COLETA_DADOS_GARANTIA_PREDATADO, 5) X(MODO_COLETA_DADOS_USO_CHIP, 6)                              \
                X(TRANSACAO_HABILITADA_CARTAO_AVISTA, 1) X(TRANSACAO_HABILITADA_CARTAO_PARC_LOJISTA, 2) X(             \
                    TRANSACAO_HABILITADA_CARTAO_PARC_ADM, 3) X(TRANSACAO_HABILITADA_CARTAO_PRO_VISTA, 4)               \
                    X(TRANSACAO_HABILITADA_CARTAO_PRO_PARC, 5) X(TRANSACAO_HABILITADA_CARTAO_CANCEL, 6) X(             \
                        TRANSACAO_HABILITADA_CARTAO_PRE_AUTORIZ, 7) X(TRANSACAO_HABILITADA_CARTAO_CONSULTA_PARC, 8)    \
                        X(TRANSACAO_HABILITADA_CARTAO_CANCEL_PRE, 9) X(TRANSACAO_HABILITADA_CARTAO_CAPTURA_PRE, 10)    \
                            X(TRANSACAO_HABILITADA_CARTAO_AVS, 11) X(TRANSACAO_HABILITADA_CARTAO_PREDATADA, 12)        \
                                X(TRANSACAO_HABILITADA_CARTAO_PARC_VISTA, 13)                                          \
                                    X(TRANSACAO_HABILITADA_CARTAO_PARC_SENTRADA, 14)                                   \
                                        X(TRANSACAO_HABILITADA_CARTAO_VISTA_FOR, 15)                                   \
                                            X(TRANSACAO_HABILITADA_CARTAO_VENDA_CDC, 16)                               \
                                                X(TRANSACAO_HABILITADA_CARTAO_PARC_CJUROS, 17)                         \
                                                    X(TRANSACAO_HABILITADA_CARTAO_PARC_SJUROS, 18)                     \
                                                        X(TRANSACAO_HABILITADA_CARTAO_CONSULTA_CDC, 19)                \
                                                            X(TRANSACAO_HABILITADA_CARTAO_PAGTO_FATURA, 20)            \
                                                                X(TRANSACAO_HABILITADA_CARTAO_CANCEL_FATURA, 21)       \
                                                                    X(TRANSACAO_HABILITADA_CHEQUE_SERASA, 22)

#define KORA_DECLARA_INTPOS(nome, valor) KORA_DADO const uint16_t INTPOS_TRANSACAO_HABILITADA_##nome;
#define KORA_DECLARA_PONTAL(nome, valor) KORA_DADO const uint16_t PONTAL_##nome;
KORA_INTPOS_LISTA(KORA_DECLARA_INTPOS)
KORA_PONTAL_LISTA(KORA_DECLARA_PONTAL)
#undef KORA_DECLARA_INTPOS
#undef KORA_DECLARA_PONTAL

KORA_DADO const double TIMEOUT;
KORA_DADO const uint16_t MAX_TAM_CARTAO; // longest card number, digits
KORA_DADO const uint16_t MIN_TAM_CARTAO; // shortest card number, digits
KORA_DADO const uint16_t TAM_VALIDADE;   // expiry MMYY
KORA_DADO const uint16_t MAX_TENTATIVAS;

KORA_DADO const TSmallintSet SET_ERROS_CARTAO; // pinpad results meaning the card could not be read
KORA_DADO const TSmallintSet SET_CANCELADO;    // pinpad results meaning someone cancelled

// Pinpad display texts, Latin-1, zero-terminated; "\r" separates the two
// 16-character lines.
KORA_DADO const char MSG_SUCESSO[];
KORA_DADO const char MSG_CANCEL[];
KORA_DADO const char MSG_NAO_ACEITO[];
KORA_DADO const char MSG_CONECTE[];
KORA_DADO const char MSG_REPETIR[];
KORA_DADO const char MSG_OBRIGADO[];
KORA_DADO const char MSG_BRANCOS[];
KORA_DADO const char MSG_KORANET[];
