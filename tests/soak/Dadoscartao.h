// Finds card data in bytes the simulated host wrote: full card numbers (as
// text or as hex text), the part of a track after the card number, and
// security codes next to the field or the prefix that carries them. A
// masked number (first six and last four digits) is not a finding.
#pragma once
#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace DadosCartao {

inline bool SoDigitos(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

inline bool Luhn(std::string_view pan) {
    if (pan.size() < 13 || pan.size() > 19 || !SoDigitos(pan)) return false;
    int soma = 0;
    bool dobra = false;
    for (auto it = pan.rbegin(); it != pan.rend(); ++it) {
        int d = *it - '0';
        if (dobra && (d *= 2) > 9) d -= 9;
        soma += d;
        dobra = !dobra;
    }
    return soma % 10 == 0;
}

// Each ASCII byte as two hex digits, the way fieldsHex and the pinpad log
// write raw bytes.
inline std::string HexDeTexto(std::string_view s, bool maiusculas) {
    const char* d = maiusculas ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string r;
    for (unsigned char c : s) {
        r += d[c >> 4];
        r += d[c & 15];
    }
    return r;
}

struct Segredos {
    std::vector<std::string> cartoes;     // full card numbers
    std::vector<std::string> restoTrilha; // a track after its card number: "=YYMM..."
    std::vector<std::string> codigos;     // security codes
};

// Splits card data ("PAN=YYMM...", "B PAN^NAME^YYMM...", with or without
// sentinels, or a bare number) into what must never be stored: every run of
// 13 to 19 digits is a card number (test cards need not pass the Luhn check),
// and what follows its track separator is the rest of the track.
inline void AcrescentaTrilha(Segredos& s, std::string_view trilha) {
    size_t i = 0;
    while (i < trilha.size()) {
        while (i < trilha.size() && !std::isdigit(static_cast<unsigned char>(trilha[i]))) ++i;
        size_t j = i;
        while (j < trilha.size() && std::isdigit(static_cast<unsigned char>(trilha[j]))) ++j;
        const std::string_view pan = trilha.substr(i, j - i);
        // A run of one repeated digit (a zero-filled record) is no card number.
        const bool repetido = !pan.empty() && pan.find_first_not_of(pan[0]) == std::string_view::npos;
        if (pan.size() >= 13 && pan.size() <= 19 && !repetido) {
            s.cartoes.emplace_back(pan);
            if (j < trilha.size() && (trilha[j] == '=' || trilha[j] == 'D' || trilha[j] == 'd' || trilha[j] == '^')) {
                // Expiry, service code and discretionary data; seven bytes are
                // enough to be unmistakable.
                std::string resto(trilha.substr(j));
                const size_t fim = resto.find_first_of(std::string_view("?\0;", 3), 1);
                if (fim != std::string::npos) resto.resize(fim);
                if (resto.size() >= 8) s.restoTrilha.push_back(resto);
                // Its digits (expiry, discretionary data) are not another card.
                j += resto.size();
            }
        }
        i = j;
    }
}

inline void AcrescentaCodigo(Segredos& s, std::string_view valor) {
    if (valor.substr(0, 5) == "CSEG:") valor.remove_prefix(5);
    if (valor.size() >= 3 && valor.size() <= 4 && SoDigitos(valor)) s.codigos.emplace_back(valor);
}

struct Achado {
    std::string oque; // what was found, already masked
    size_t posicao = 0;
};

inline std::string Mascara(std::string_view v) {
    if (v.size() <= 10) return std::string(v.size(), '*');
    return std::string(v.substr(0, 6)) + std::string(v.size() - 10, '*') + std::string(v.substr(v.size() - 4));
}

namespace detalhe {
inline void Procura(std::string_view dados, std::string_view agulha, const std::string& nome,
                    std::vector<Achado>& saida) {
    if (agulha.empty()) return;
    const size_t p = dados.find(agulha);
    if (p != std::string_view::npos) saida.push_back({nome, p});
}
// A card number stands alone: one found inside a longer run of digits (a bar
// code, say) is part of another number. `largura` is 1 for text, 2 for its
// hex form, where a digit is "3" and a decimal digit.
inline void ProcuraNumero(std::string_view dados, std::string_view agulha, const std::string& nome,
                          std::vector<Achado>& saida, size_t largura) {
    if (agulha.empty()) return;
    const auto digito = [&](size_t i) {
        return largura == 1 ? std::isdigit(static_cast<unsigned char>(dados[i])) != 0
                            : dados[i] == '3' && std::isdigit(static_cast<unsigned char>(dados[i + 1])) != 0;
    };
    for (size_t p = dados.find(agulha); p != std::string_view::npos; p = dados.find(agulha, p + 1)) {
        const size_t fim = p + agulha.size();
        const bool antes = p >= largura && digito(p - largura);
        const bool depois = fim + largura <= dados.size() && digito(fim);
        if (!antes && !depois) {
            saida.push_back({nome, p});
            return;
        }
    }
}
// The code right after a key, within a few bytes of JSON or ini punctuation
// (`"10149":"123"`, `10149=123`, `CSEG:123`), and not part of a longer number.
inline void ProcuraCodigo(std::string_view dados, std::string_view chave, const std::string& codigo,
                          std::vector<Achado>& saida) {
    for (size_t p = dados.find(chave); p != std::string_view::npos; p = dados.find(chave, p + 1)) {
        size_t i = p + chave.size();
        const size_t limite = std::min(dados.size(), i + 6);
        while (i < limite && !std::isdigit(static_cast<unsigned char>(dados[i]))) ++i;
        if (dados.substr(i, codigo.size()) == codigo &&
            (i + codigo.size() == dados.size() ||
             !std::isdigit(static_cast<unsigned char>(dados[i + codigo.size()])))) {
            saida.push_back({"security code after " + std::string(chave), i});
            return;
        }
    }
}
} // namespace detalhe

inline std::vector<Achado> Examina(std::string_view dados, const Segredos& s) {
    std::vector<Achado> r;
    for (const auto& pan : s.cartoes) {
        detalhe::ProcuraNumero(dados, pan, "card number " + Mascara(pan), r, 1);
        // Digits have no hex letters: one hex form is enough.
        detalhe::ProcuraNumero(dados, HexDeTexto(pan, false), "card number (hex) " + Mascara(pan), r, 2);
        // As printed on the card, in groups of four.
        for (char sep : {' ', '-'}) {
            std::string grupos;
            for (size_t k = 0; k < pan.size(); k += 4)
                grupos += (k ? std::string(1, sep) : std::string()) + pan.substr(k, 4);
            detalhe::ProcuraNumero(dados, grupos, "card number in groups " + Mascara(pan), r, 1);
        }
    }
    for (const auto& t : s.restoTrilha) {
        detalhe::Procura(dados, t, "track data", r);
        detalhe::Procura(dados, HexDeTexto(t, false), "track data (hex)", r);
        detalhe::Procura(dados, HexDeTexto(t, true), "track data (HEX)", r);
    }
    for (const auto& c : s.codigos) {
        detalhe::ProcuraCodigo(dados, "CSEG:", c, r);
        detalhe::ProcuraCodigo(dados, "10149", c, r);
    }
    // Track 2 of any card, known or not: a valid card number, "=" and four
    // digits of expiry.
    for (size_t i = 0; i < dados.size(); ++i) {
        if (dados[i] != '=') continue;
        size_t a = i;
        while (a > 0 && i - a < 19 && std::isdigit(static_cast<unsigned char>(dados[a - 1]))) --a;
        const std::string_view pan = dados.substr(a, i - a);
        if (Luhn(pan) && i + 4 < dados.size() && SoDigitos(dados.substr(i + 1, 4)))
            r.push_back({"track 2 of " + Mascara(pan), a});
    }
    return r;
}

} // namespace DadosCartao
