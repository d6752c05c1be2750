// The acquirer's list of cancellable transactions (reply service "C1"): a
// 16-bit count and up to 20 fixed entries. Decoding works on a zero-filled
// copy of the record, so a service cut short reads as zeros and a count
// that claims more entries than the record holds is cut to what fits.
#pragma once
#include <QByteArray>
#include <cstddef>

constexpr int TAM_SERVICO_C1 = 982;
constexpr int TAM_ENTRADA_C1 = 49;
constexpr int MAX_ENTRADAS_C1 = 20;

// One cancellable transaction.
struct TEntradaC1 {
    char pedeAutorizacao = '\0'; // '1': the operator types the authorization number and amount
    char pedeEmbosso = '\0';     // '1': the last four embossed digits are asked
    char pedeCSeg = '\0';        // '1': the card security code is asked
    QByteArray tipo;             // 2 digits
    QByteArray codigo;           // 4 characters, as field 10193 holds it
    QByteArray descricao;        // up to 40 characters, cut at the first zero byte
    // Product kind as a number; 0 when not two digits.
    int tipoNumero() const;
    // An entry the acquirer left empty (a service cut short).
    bool vazia() const;
};

struct TServicoC1 {
    unsigned char dados[TAM_SERVICO_C1] = {};
    // The count as stored.
    int quantidadeGravada() const;
    // Entries shown: the stored count, never more than 20 (the record's room).
    int quantidade() const;
    // Entry `k`; an empty one outside 0..19.
    TEntradaC1 entrada(int k) const;
    // Index of the first entry (among those shown) whose code is `codigo`; -1 when none.
    int procuraCodigo(const QByteArray& codigo) const;
    void limpa();
};

// Copies at most the record's size from `dados` (the bytes after the "C1"
// code) and zero-fills the rest; true when the record came whole.
bool DecodificaServicoC1(const unsigned char* dados, size_t tamanho, TServicoC1& saida);
// Finds the first stored reply service that begins with "C1" (count in field
// 20143, services in field 20033 by index) and decodes it into `saida`,
// zeroed first. False when there is none.
bool TrataServicoC1(TServicoC1& saida);
