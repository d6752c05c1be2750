#include "hostlib.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <dlfcn.h>
#include <mutex>

namespace hostsim {

namespace {

std::mutex g_trava;
bool g_carregada = false;
QHash<int, QString> g_tabela;

QString Decodifica(const QByteArray& bytes) {
    // The table may be saved as UTF-8 or Latin-1; a byte sequence that is not
    // valid UTF-8 can only be the latter.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8(bytes);
    if (utf8.hasError()) texto = QString::fromLatin1(bytes);
    if (texto.startsWith(QChar(0xFEFF))) texto.remove(0, 1);
    return texto;
}

void Carrega() {
    g_tabela.clear();
    g_carregada = true;
    QFile f(ArquivoMensagens());
    if (!f.open(QIODevice::ReadOnly)) {
        qWarning("hostsim: message table %s not found", qPrintable(f.fileName()));
        return;
    }
    const QString texto = Decodifica(f.readAll());
    for (QStringView linha : QStringView(texto).split(u'\n')) {
        if (linha.endsWith(u'\r')) linha.chop(1);
        const qsizetype tab = linha.indexOf(u'\t');
        if (tab <= 0 || linha.startsWith(u'#')) continue;
        bool ok = false;
        const int numero = linha.left(tab).trimmed().toInt(&ok);
        if (!ok) continue;
        QString msg = linha.mid(tab + 1).toString();
        msg.replace(QLatin1String("\\n"), QLatin1String("\n"));
        g_tabela.insert(numero, msg);
    }
}

} // namespace

QString ArquivoMensagens() {
    const QByteArray env = qgetenv("TULEN_MENSAGENS");
    if (!env.isEmpty()) return QString::fromLocal8Bit(env);
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ArquivoMensagens), &info) && info.dli_fname)
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath() + "/mensagens.txt";
    return QStringLiteral("mensagens.txt");
}

void RecarregaMensagens() {
    std::lock_guard<std::mutex> l(g_trava);
    g_carregada = false;
    g_tabela.clear();
}

QString TextoMensagem(int numero) {
    std::lock_guard<std::mutex> l(g_trava);
    if (!g_carregada) Carrega();
    auto it = g_tabela.constFind(numero);
    if (it == g_tabela.constEnd() || it->isEmpty()) return QStringLiteral("<mensagem %1>").arg(numero);
    return *it;
}

} // namespace hostsim
