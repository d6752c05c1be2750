// The simulated host's field store: numbered fields, each with element
// indexes, holding raw bytes of exact length.
#pragma once
#include <QByteArray>
#include <cstdint>
#include <map>
#include <utility>

#define HOSTSIM_API __attribute__((visibility("default")))

namespace hostsim {

class HOSTSIM_API CamposHost {
public:
    using Chave = std::pair<uint16_t, uint16_t>;

    bool existe(uint16_t campo, uint16_t indice = 0) const;
    QByteArray le(uint16_t campo, uint16_t indice = 0) const;
    void grava(uint16_t campo, uint16_t indice, const QByteArray& dados);
    void limpa(uint16_t campo); // every index of the field
    void limpaTudo();
    const std::map<Chave, QByteArray>& todos() const { return campos_; }

private:
    std::map<Chave, QByteArray> campos_;
};

} // namespace hostsim
