#include "cancel/Cancdebitosemregistrokora.h"

#include "Campos.h"
#include "Contextokora.h"

#include <QDate>

const QString TFrmCancDeb_SemRegLog::kFormatoData = QStringLiteral("dd/MM/yyyy");

QDate TFrmCancDeb_SemRegLog::DataVenda() {
    return QDate::fromString(Campos::Le(CAMPO_DATA_ORIGINAL).trimmed(), QStringLiteral("ddMMyyyy"));
}

bool TFrmCancDeb_SemRegLog::TemDigitos(const QString& s) {
    for (QChar c : s)
        if (c.isDigit()) return true;
    return false;
}

QByteArray TFrmCancDeb_SemRegLog::TextoData(const char* tag, const QString& d) {
    return (QString::fromLatin1(tag) + d.mid(4, 4) + d.mid(2, 2) + d.mid(0, 2)).toLatin1();
}

bool TFrmCancDeb_SemRegLog::GravaCamposPontal() {
    return TFrmCanc_SemRegLogTrn::GravaCamposPontal() &&
           Campos::Grava(CAMPO_CODIGO_TIPO_TRANSACAO, QStringLiteral("35"));
}
