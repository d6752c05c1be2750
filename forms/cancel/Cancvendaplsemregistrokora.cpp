#include "cancel/Cancvendaplsemregistrokora.h"

#include <QLineEdit>

int TFrmCancVendaPL_SemRegLog::Numero(const QLineEdit* ed) {
    bool ok = false;
    const int v = ed->text().trimmed().toInt(&ok);
    return ok ? v : 0;
}
