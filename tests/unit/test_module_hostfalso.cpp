#include "test_module_hostfalso.h"

#include "bromo.h"
#include "ciraz.h"
#include "estado.h"
#include "lentar.h"
#include "platform.h"
#include "pontal.h"

#include <dlfcn.h>
#include <algorithm>
#include <cstring>

namespace HostFalso {
Estado& estado() {
    static Estado e;
    return e;
}
void Inicia() {
    estado() = Estado{};
    estado().ativo = true;
    hostsim::estado().campos.limpaTudo();
}
void Encerra() {
    estado() = Estado{};
    hostsim::estado().campos.limpaTudo();
}
} // namespace HostFalso

namespace {
using HostFalso::estado;
bool Ativo() { return estado().ativo; }
template <class F> F* Proximo(const char* nome) { return reinterpret_cast<F*>(dlsym(RTLD_NEXT, nome)); }
} // namespace

void EnviaArquivoErroPDV(int codigo, const QString& texto) {
    if (Ativo()) {
        estado().erros.emplace_back(codigo, texto);
        estado().handlesErro.push_back(Plataforma::HandleAplicacao());
    }
    if (auto f = Proximo<void(int, const QString&)>("_Z19EnviaArquivoErroPDViRK7QString")) f(codigo, texto);
}

void LeMensagens(QString& texto, int numero) {
    if (Ativo()) {
        texto = estado().mensagens.value(numero, QStringLiteral("<msg %1>").arg(numero));
        return;
    }
    if (auto f = Proximo<void(QString&, int)>("_Z11LeMensagensR7QStringi")) f(texto, numero);
}

int GravaCampoString(int campo, int indice, const QString& texto) {
    if (Ativo() && estado().recusados.count(campo)) return 1;
    auto f = Proximo<int(int, int, const QString&)>("_Z16GravaCampoStringiiRK7QString");
    return f ? f(campo, indice, texto) : -1;
}

bool TransacoesHabilitadasIntPos(int posicao) {
    if (Ativo()) return estado().posicoesPdv.count(posicao) != 0;
    auto f = Proximo<bool(int)>("_Z27TransacoesHabilitadasIntPosi");
    return f ? f(posicao) : true;
}

bool CartaoProcessaChip() {
    if (Ativo()) return estado().processaChip;
    auto f = Proximo<bool()>("_Z18CartaoProcessaChipv");
    return f ? f() : false;
}

bool VerificaServico5(const QString& nome, int modo) {
    if (Ativo()) return estado().servico5;
    auto f = Proximo<bool(const QString&, int)>("_Z16VerificaServico5RK7QStringi");
    return f ? f(nome, modo) : false;
}

int RealizaPerguntasCamposLPergEx(const QString& titulo, int modo, QString& buffer) {
    if (Ativo()) {
        estado().titulosPerguntas.push_back(titulo);
        return estado().perguntas;
    }
    auto f = Proximo<int(const QString&, int, QString&)>("_Z29RealizaPerguntasCamposLPergExRK7QStringiRS_");
    return f ? f(titulo, modo, buffer) : 0;
}

int PontalLeCampoMaxLen(int campo, int indice, char* buffer, int& tamanho, int capacidade) {
    if (!Ativo())
        if (auto f = Proximo<int(int, int, char*, int&, int)>("_Z19PontalLeCampoMaxLeniiPcRii"))
            return f(campo, indice, buffer, tamanho, capacidade);
    tamanho = 0;
    if (!buffer || capacidade < 0) return -1;
    const auto& c = hostsim::estado().campos;
    if (!c.existe(uint16_t(campo), uint16_t(indice))) return -100;
    const QByteArray v = c.le(uint16_t(campo), uint16_t(indice));
    tamanho = std::min<int>(capacidade, int(v.size()));
    std::memcpy(buffer, v.constData(), size_t(tamanho));
    return 0;
}

int AutorizaTransacao(const TTransacao* d, QLabel* m, int modo) {
    if (Ativo()) {
        ++estado().autorizacoes;
        estado().descritores.push_back(d);
        if (estado().aoEnviar) estado().aoEnviar();
        return 0;
    }
    auto f = Proximo<int(const TTransacao*, QLabel*, int)>("_Z17AutorizaTransacaoPK10TTransacaoP6QLabeli");
    return f ? f(d, m, modo) : -1;
}

int MontaDadosPinpad(int tipo, QByteArray& buffer) {
    if (Ativo()) {
        ++estado().leiturasPinpad;
        const bool bloco3 = tipo == 3;
        const int r = bloco3 ? estado().retPinpad3 : estado().retPinpad;
        if (r == 0) buffer = bloco3 ? estado().bloco3 : estado().bloco125;
        return r;
    }
    auto f = Proximo<int(int, QByteArray&)>("_Z16MontaDadosPinpadiR10QByteArray");
    return f ? f(tipo, buffer) : -1;
}

int MontaBufferDadosDUKPTBaixaTecnica() {
    if (Ativo()) {
        ++estado().dukpt;
        return 0;
    }
    auto f = Proximo<int()>("_Z33MontaBufferDadosDUKPTBaixaTecnicav");
    return f ? f() : 0;
}

int ObtemDadosPinpadAutoCapturaEstendidaTagDF70(const QString& tag, QByteArray& buffer) {
    if (Ativo()) {
        if (estado().retDF70 == 0) buffer = estado().df70;
        return estado().retDF70;
    }
    auto f = Proximo<int(const QString&, QByteArray&)>(
        "_Z43ObtemDadosPinpadAutoCapturaEstendidaTagDF70RK7QStringR10QByteArray");
    return f ? f(tag, buffer) : -1;
}

bool FazConsultaBins(int modo, int a, int b, int c, int d, QString& autorizador, QString& segundo, int e,
                     QLabel* m) {
    if (Ativo()) {
        autorizador = estado().autorizador;
        return estado().binsOk;
    }
    auto f = Proximo<bool(int, int, int, int, int, QString&, QString&, int, QLabel*)>(
        "_Z15FazConsultaBinsiiiiiR7QStringS0_iP6QLabel");
    return f ? f(modo, a, b, c, d, autorizador, segundo, e, m) : false;
}

int RemoveCartao(const QString& texto) {
    if (Ativo()) {
        estado().removeCartao.push_back(texto);
        return 0;
    }
    auto f = Proximo<int(const QString&)>("_Z12RemoveCartaoRK7QString");
    return f ? f(texto) : 0;
}

extern "C" {
int16_t PontalGravaArquivo(void) {
    if (Ativo()) {
        ++estado().arquivos;
        if (estado().aoGravarArquivo) estado().aoGravarArquivo();
    }
    auto f = Proximo<int16_t()>("PontalGravaArquivo");
    return f ? f() : 0;
}

int16_t PontalEnviarMensagem(const void* d) {
    if (Ativo()) {
        ++estado().autorizacoes;
        estado().descritores.push_back(d);
        if (estado().aoEnviar) estado().aoEnviar();
        return 0;
    }
    auto f = Proximo<int16_t(const void*)>("PontalEnviarMensagem");
    return f ? f(d) : -1;
}

int16_t GravaAudit(int32_t nivel, const char* texto, int32_t tamanho) {
    if (Ativo() && texto)
        estado().audit << QString::fromLatin1(texto, tamanho < 0 ? qsizetype(std::strlen(texto)) : tamanho);
    auto f = Proximo<int16_t(int32_t, const char*, int32_t)>("GravaAudit");
    return f ? f(nivel, texto, tamanho) : 0;
}
}
