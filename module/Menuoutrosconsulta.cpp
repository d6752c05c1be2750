#include "Menuoutrosconsulta.h"

#include "Camposkora.h"
#include "bromo.h"
#include "transaction/Descritoreskora.h"
#include "Servicoskora.h"
#include "platform.h"
#include "pontal.h"

#include <cstring>

uint16_t QtdProdutos = 0;
QByteArray TipoVenda;

int ResultadoConsultaMenuOutros() {
    char buf[3] = {};
    int lidos = 0;
    if (PontalLeCampoMaxLen(CAMPO_CODIGO_RESPOSTA, 0, buf, lidos, 2) != 0) return -1;
    bool ok = false;
    const int v = QString::fromLatin1(buf, std::clamp(lidos, 0, 2)).trimmed().toInt(&ok);
    return ok ? v : -1;
}

void RealizaConsultaMenuOutrosInterno() {
    static const unsigned char kConsulta[] = {'4', '9'};
    PontalGravaCampo(CAMPO_CODIGO_REQUISICAO, 0, kConsulta, 2);
    PontalEnviarMensagem(&TrnConsultaMenuOutros);
    if (ResultadoConsultaMenuOutros() == 0) {
        GravaCampoString(CAMPO_ESTADO_MENU_OUTROS, 0, QStringLiteral("0"));
        ProcuraMontaListaProdutoSelecionado();
    } else {
        GravaCampoString(CAMPO_ESTADO_MENU_OUTROS, 0, QStringLiteral("1"));
    }
    // The host must not take this query for a transaction of its own.
    QString texto;
    LeMensagens(texto, 801);
    GravaCampoString(CAMPO_CODIGO_RESPOSTA, 0, QStringLiteral("FF"));
    GravaCampoString(CAMPO_TEXTO_RESULTADO, 0, texto);
}

void GravaComparaTimeStampMenuOutros(const char* timeStamp) {
    const QString novo = QString::fromLatin1(timeStamp ? timeStamp : "", timeStamp ? qsizetype(strnlen(timeStamp, 10)) : 0);
    const QString atual =
        Plataforma::LeIni(QStringLiteral("Cliente.ini"), QStringLiteral("MENU_OUTROS"), QStringLiteral("TimeStamp"));
    if (atual == novo) return;
    GravaCampoString(CAMPO_ESTADO_MENU_OUTROS, 0, QStringLiteral("1"));
    Plataforma::GravaIni(QStringLiteral("Cliente.ini"), QStringLiteral("MENU_OUTROS"), QStringLiteral("TimeStamp"), novo);
}
