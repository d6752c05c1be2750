// A scriptable stand-in for the host operations the module tests steer.
// The definitions in the test program take precedence over the simulated
// host's; while no module test is active each one forwards to the simulated
// host's own implementation (when it has one), so other suites see the host
// unchanged.
#pragma once
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <set>
#include <utility>
#include <vector>

namespace HostFalso {

struct Estado {
    bool ativo = false;
    std::vector<std::pair<int, QString>> erros; // EnviaArquivoErroPDV
    std::vector<uintptr_t> handlesErro;         // application handle at each report
    int arquivos = 0;                           // PontalGravaArquivo
    QStringList audit;
    QMap<int, QString> mensagens; // texts other than "<msg N>"
    std::set<int> posicoesPdv;    // enabled point-of-sale positions
    std::set<int> recusados;      // GravaCampoString fails for these
    bool processaChip = false;
    bool servico5 = false;
    int perguntas = 0;
    std::vector<QString> titulosPerguntas;
    int retPinpad = 0;      // MontaDadosPinpad(125)
    QByteArray bloco125;
    int retPinpad3 = 0;     // MontaDadosPinpad(3)
    QByteArray bloco3;
    int leiturasPinpad = 0; // MontaDadosPinpad calls, any block
    int dukpt = 0;          // MontaBufferDadosDUKPTBaixaTecnica calls
    int retDF70 = 0;
    QByteArray df70;
    bool binsOk = true;
    QString autorizador = QStringLiteral("0125");
    std::vector<QString> removeCartao;
    int autorizacoes = 0;
    std::vector<const void*> descritores; // what each request was sent with
    std::function<void()> aoEnviar; // runs inside AutorizaTransacao / PontalEnviarMensagem
    std::function<void()> aoGravarArquivo;
};

Estado& estado();
// Fresh host: empty field store, default answers, active.
void Inicia();
void Encerra();

} // namespace HostFalso
