#include "bromo.h"

#include "estado.h"

using hostsim::estado;

void LeCampo(QString& texto, int campo, int indice) {
    texto = QString::fromLatin1(estado().campos.le(uint16_t(campo), uint16_t(indice)));
}

int GravaCampoString(int campo, int indice, const QString& texto) {
    estado().campos.grava(uint16_t(campo), uint16_t(indice), texto.toLatin1());
    return 0;
}

QString RemoveFormato(const QString& texto) {
    QString r;
    for (QChar c : texto)
        if (c >= '0' && c <= '9') r += c;
    return r;
}

QString GetBuildInfo(const QString&) { return QStringLiteral("1.0.0.0"); }
void EnviaArquivoErroPDV(int, const QString&) {}
void LeMensagens(QString& texto, int numero) { texto = QStringLiteral("<mensagem %1>").arg(numero); }
