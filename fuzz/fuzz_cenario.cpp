// The scenario reader: any document is either refused with a reason or
// accepted, and an accepted one's host fields load without surprises.
#include "estado.h"
#include "hostfuzz.h"
#include "runner.h"
#include "sigilo.h"

#include <QJsonDocument>

using FuzzHost::Exige;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n) {
    FuzzHost::Prepara();
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(d), qsizetype(n));
    // The repeated-key scan reads any bytes, JSON or not, within bounds.
    hostsim::runner::ChaveRepetida(bytes);
    Exige(hostsim::MascaraPan(bytes).size() == bytes.size(), "masking changed a text's length");
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    if (!doc.isObject()) return 0;
    const QJsonObject cenario = doc.object();
    const QString erro = hostsim::runner::ValidaCenario(cenario);
    if (erro.isEmpty() && cenario.value("host").isObject()) {
        hostsim::CamposHost campos;
        QString e;
        hostsim::AplicaCampos(cenario.value("host").toObject(), campos, e);
    }
    // The expected-result check compares a document with itself as a match.
    QString onde;
    Exige(hostsim::runner::Contem(cenario, cenario, onde), "a document does not contain itself");
    return 0;
}
