// Bounds-checked sequential reader of the host's byte records. Every read
// fails (and keeps failing) once the record has no more bytes for it, so a
// truncated record or one whose counts lie can never be read past its end.
#pragma once
#include <QByteArray>
#include <cstddef>
#include <cstdint>

class LeitorBytes {
public:
    LeitorBytes(const unsigned char* dados, size_t tamanho) : dados_(dados), tamanho_(dados ? tamanho : 0) {}

    bool ok() const { return ok_; }
    size_t posicao() const { return pos_; }
    size_t restante() const { return tamanho_ - pos_; }
    bool cabe(size_t n) const { return ok_ && n <= restante(); }

    // Little-endian 16-bit count.
    bool u16(uint16_t& v) {
        if (!reserva(2)) return false;
        v = uint16_t(dados_[pos_] | (dados_[pos_ + 1] << 8));
        pos_ += 2;
        return true;
    }
    // A number written as `n` decimal digits; a non-digit reads as 0.
    bool digitos(size_t n, int& v) {
        if (!reserva(n)) return false;
        int r = 0;
        for (size_t i = 0; i < n; ++i) {
            const unsigned char c = dados_[pos_ + i];
            if (c < '0' || c > '9') {
                r = 0;
                break;
            }
            r = r * 10 + (c - '0');
        }
        v = r;
        pos_ += n;
        return true;
    }
    bool byte(unsigned char& c) {
        if (!reserva(1)) return false;
        c = dados_[pos_++];
        return true;
    }
    bool bytes(size_t n, QByteArray& saida) {
        if (!reserva(n)) return false;
        saida = QByteArray(reinterpret_cast<const char*>(dados_ + pos_), qsizetype(n));
        pos_ += n;
        return true;
    }
    bool pula(size_t n) {
        if (!reserva(n)) return false;
        pos_ += n;
        return true;
    }

private:
    bool reserva(size_t n) {
        if (!cabe(n)) ok_ = false;
        return ok_;
    }
    const unsigned char* dados_;
    size_t tamanho_;
    size_t pos_ = 0;
    bool ok_ = true;
};
