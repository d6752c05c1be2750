#include "pontal.h"

#include "estado.h"
#include "hostlib.h"

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
    if (estado().camposRecusados.count(campo)) return -2;
    estado().campos.grava(campo, indice, QByteArray(reinterpret_cast<const char*>(dados), tamanho));
    return 0;
}

int16_t PontalLimpaCampo(uint16_t campo) {
    estado().campos.limpa(campo);
    return 0;
}

int16_t PontalGravaArquivo(void) {
    int r = hostsim::RespostaInt(QStringLiteral("PontalGravaArquivo"), 0); // non-zero: a failing disk
    if (r == 0) r = hostsim::GravaTransacao(estado().campos);
    // "files" lists only what was stored; a refusal is a call like any other.
    if (r == 0)
        estado().arquivos.append(hostsim::FotografiaCampos(estado().campos));
    else
        hostsim::RegistraChamada(QStringLiteral("PontalGravaArquivo"), {r});
    return int16_t(r);
}

int16_t PontalEnviarMensagem(const void* descritor) {
    return int16_t(hostsim::EnviaAoAdquirente(descritor, QStringLiteral("PontalEnviarMensagem"), 0));
}

int16_t PontalEnviarFinalizacaoEx(int32_t confirma) {
    hostsim::RegistraChamada(QStringLiteral("PontalEnviarFinalizacaoEx"), {confirma});
    return int16_t(hostsim::RespostaInt(QStringLiteral("PontalEnviarFinalizacaoEx"), 0));
}

int16_t PontalIniciaTransacao(void) {
    hostsim::RegistraChamada(QStringLiteral("PontalIniciaTransacao"));
    return int16_t(hostsim::RespostaInt(QStringLiteral("PontalIniciaTransacao"), 0));
}

int16_t PontalLimpaUltimaTrn(void) {
    hostsim::RegistraChamada(QStringLiteral("PontalLimpaUltimaTrn"));
    // The host forgets the transaction in progress; what the file already
    // holds stays.
    return int16_t(hostsim::RespostaInt(QStringLiteral("PontalLimpaUltimaTrn"), 0));
}

int16_t PontalCapturaCodigoEmpresa(void) {
    hostsim::RegistraChamada(QStringLiteral("PontalCapturaCodigoEmpresa"));
    return int16_t(hostsim::RespostaInt(QStringLiteral("PontalCapturaCodigoEmpresa"), 0));
}

int16_t GravaAudit(int32_t, const char* texto, int32_t tamanho) {
    if (!texto) return -1;
    const QByteArray t = tamanho < 0 ? QByteArray(texto) : QByteArray(texto, tamanho);
    estado().audit.append(QString::fromLatin1(t));
    return hostsim::GravaLinhaAudit(t) ? 0 : -2;
}
}
