#include "Campos.h"

#include "Contextokora.h"
#include "pontal.h"

#include <QtGlobal>

namespace Campos {
QByteArray LeBytes(int campo, int maximo, int indice) {
    if (maximo <= 0) return {};
    QByteArray b(maximo, '\0');
    int32_t tamanho = maximo;
    if (PontalLeCampo(uint16_t(campo), uint16_t(indice), &tamanho, reinterpret_cast<unsigned char*>(b.data())) != 0)
        return {};
    b.truncate(qBound(0, int(tamanho), maximo));
    return b;
}

QString Le(int campo, int indice) {
    QByteArray b = LeBytes(campo, 4096, indice);
    const qsizetype zero = b.indexOf('\0');
    if (zero >= 0) b.truncate(zero);
    return QString::fromLatin1(b);
}

int LeNumero(int campo, int padrao) {
    bool ok = false;
    const int v = Le(campo).trimmed().toInt(&ok);
    return ok ? v : padrao;
}

bool Preenchido(int campo, int indice) { return !LeBytes(campo, 1, indice).isEmpty(); }

bool Grava(int campo, const QString& texto, int indice) { return GravaBytes(campo, texto.toLatin1(), indice); }

bool GravaBytes(int campo, const QByteArray& bytes, int indice) {
    return PontalGravaCampo(uint16_t(campo), uint16_t(indice),
                            reinterpret_cast<const unsigned char*>(bytes.constData()), int32_t(bytes.size())) == 0;
}

void Limpa(int campo) { PontalLimpaCampo(uint16_t(campo)); }

void GravaDesfecho(const QString& codigo, const QString& texto) {
    if (!Grava(CAMPO_CODIGO_RESPOSTA, codigo) || !Grava(CAMPO_TEXTO_RESULTADO, texto))
        Audita(QStringLiteral("Kora41 - desfecho nao gravado: ") + codigo);
}

QByteArray Apara(const QByteArray& b) {
    qsizetype i = 0, f = b.size();
    while (i < f && uchar(b[i]) <= ' ') ++i;
    while (f > i && uchar(b[f - 1]) <= ' ') --f;
    return b.mid(i, f - i);
}
} // namespace Campos
