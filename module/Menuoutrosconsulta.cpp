#include "Menuoutrosconsulta.h"

#include "Campos.h"
#include "Contextokora.h"
#include "bromo.h"
#include "pontal.h"
#include "transaction/Descritoreskora.h"

uint16_t QtdProdutos = 0;
QByteArray TipoVenda;

namespace {
// Field 10224 after a query: "0" when the list came, "1" to try again next time.
bool RegistraResultado() {
    const bool veio = ResultadoConsultaMenuOutros() == 0;
    if (!Campos::Grava(CAMPO_ESTADO_MENU_OUTROS, veio ? QStringLiteral("0") : QStringLiteral("1")))
        Audita(QStringLiteral("Kora41 - estado do menu outros nao gravado"));
    return veio;
}
} // namespace

int ResultadoConsultaMenuOutros() {
    bool ok = false;
    const int v = Campos::LeBytes(CAMPO_CODIGO_RESPOSTA, 2).trimmed().toInt(&ok);
    return ok ? v : -1;
}

bool MenuOutrosVencido() { return Campos::Le(CAMPO_ESTADO_MENU_OUTROS) == QLatin1String("1"); }

bool RealizaConsultaMenuOutrosInterno() {
    if (!Campos::Grava(CAMPO_CODIGO_REQUISICAO, QStringLiteral("49"))) return false;
    PontalEnviarMensagem(&TrnConsultaMenuOutros);
    const bool veio = RegistraResultado();
    // The host must not take this query for a transaction of its own.
    Campos::GravaDesfecho(QStringLiteral("FF"), Mensagem(801));
    return veio;
}

bool ConsultaMenuOutros(QLabel* mensagem) {
    const QByteArray guardado = Campos::LeBytes(CAMPO_CODIGO_REQUISICAO, 64);
    const bool existia = Campos::Preenchido(CAMPO_CODIGO_REQUISICAO);
    if (!Campos::Grava(CAMPO_CODIGO_REQUISICAO, QStringLiteral("49"))) return false;
    AutorizaTransacao(&TrnConsultaMenuOutros, mensagem, 0);
    if (!existia)
        Campos::Limpa(CAMPO_CODIGO_REQUISICAO);
    else if (!Campos::GravaBytes(CAMPO_CODIGO_REQUISICAO, guardado))
        Audita(QStringLiteral("Kora41 - codigo de requisicao nao restaurado"));
    return RegistraResultado();
}
