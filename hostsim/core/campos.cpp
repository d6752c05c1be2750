#include "campos.h"

namespace hostsim {

bool CamposHost::existe(uint16_t campo, uint16_t indice) const { return campos_.count({campo, indice}) != 0; }

QByteArray CamposHost::le(uint16_t campo, uint16_t indice) const {
    auto it = campos_.find({campo, indice});
    return it == campos_.end() ? QByteArray() : it->second;
}

void CamposHost::grava(uint16_t campo, uint16_t indice, const QByteArray& dados) { campos_[{campo, indice}] = dados; }

void CamposHost::limpa(uint16_t campo) {
    auto it = campos_.lower_bound({campo, 0});
    while (it != campos_.end() && it->first.first == campo) it = campos_.erase(it);
}

void CamposHost::limpaTudo() { campos_.clear(); }

} // namespace hostsim
