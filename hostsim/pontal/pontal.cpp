#include "pontal.h"

#include "estado.h"

#include <algorithm>
#include <cstring>

using hostsim::estado;

extern "C" {

int16_t PontalLeCampo(uint16_t campo, uint16_t indice, int32_t* tamanho, unsigned char* buffer) {
    if (!tamanho) return -1;
    const int32_t capacidade = *tamanho;
    *tamanho = 0;
    if (!estado().campos.existe(campo, indice)) return -100;
    const QByteArray v = estado().campos.le(campo, indice);
    const int32_t n = std::min<int32_t>(std::max<int32_t>(capacidade, 0), int32_t(v.size()));
    if (n > 0 && buffer) std::memcpy(buffer, v.constData(), size_t(n));
    *tamanho = buffer ? n : 0;
    return 0;
}

int16_t PontalGravaCampo(uint16_t campo, uint16_t indice, const unsigned char* dados, int32_t tamanho) {
    if (tamanho < 0 || (tamanho > 0 && !dados)) return -1;
    estado().campos.grava(campo, indice, QByteArray(reinterpret_cast<const char*>(dados), tamanho));
    return 0;
}

int16_t PontalLimpaCampo(uint16_t campo) {
    estado().campos.limpa(campo);
    return 0;
}

int16_t PontalGravaArquivo(void) { return 0; }
int16_t PontalEnviarMensagem(const void*) { return 0; }
int16_t PontalEnviarFinalizacaoEx(int32_t) { return 0; }
int16_t PontalIniciaTransacao(void) { return 0; }
int16_t PontalLimpaUltimaTrn(void) { return 0; }
int16_t PontalCapturaCodigoEmpresa(void) { return 0; }
int16_t GravaAudit(int32_t, const char*, int32_t) { return 0; }
}
