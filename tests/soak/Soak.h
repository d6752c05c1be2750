// The soak's parts that need no module: options, the test cards it uses,
// resident-size sampling and the verdict.
#pragma once
#include "Dadoscartao.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <unistd.h>
#include <vector>

namespace Soak {

struct Opcoes {
    int vendas = 10000;
    int aquecimento = 1000;
    long crescimentoKb = 2048;
    QString diretorio = QStringLiteral("soak-host");
    QString segredos;
};

inline bool LeOpcoes(const QStringList& args, Opcoes& op, QString& erro) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (i + 1 >= args.size()) {
            erro = QStringLiteral("%1 needs a value").arg(a);
            return false;
        }
        const QString v = args[++i];
        bool ok = true;
        if (a == QLatin1String("--sales"))
            op.vendas = v.toInt(&ok);
        else if (a == QLatin1String("--warmup"))
            op.aquecimento = v.toInt(&ok);
        else if (a == QLatin1String("--max-growth-kb"))
            op.crescimentoKb = v.toLong(&ok);
        else if (a == QLatin1String("--hostdir"))
            op.diretorio = v;
        else if (a == QLatin1String("--secrets"))
            op.segredos = v;
        else {
            erro = QStringLiteral("unknown option %1").arg(a);
            return false;
        }
        if (!ok) {
            erro = QStringLiteral("%1: not a number: %2").arg(a, v);
            return false;
        }
    }
    if (op.vendas < 1 || op.aquecimento < 1 || op.aquecimento >= op.vendas) {
        erro = QStringLiteral("need 1 <= warmup < sales");
        return false;
    }
    return true;
}

struct CartaoTeste {
    QByteArray pan, trilha2, trilha1, codigo;
};

// A valid card number: `base` followed by its check digit.
inline QByteArray ComDigito(const QByteArray& base) {
    for (char d = '0'; d <= '9'; ++d)
        if (DadosCartao::Luhn((base + d).toStdString())) return base + d;
    return {};
}

inline std::vector<CartaoTeste> CartoesTeste() {
    std::vector<CartaoTeste> r;
    const char* bases[][2] = {{"589916000012345", "739"}, {"406655000098765", "4821"}, {"53999900001357", "052"}};
    for (auto& b : bases) {
        CartaoTeste c;
        c.pan = ComDigito(b[0]);
        c.trilha2 = c.pan + "=29121010000012345";
        c.trilha1 = "B" + c.pan + "^TESTE/CARTAO^2912101000000012345000000";
        c.codigo = b[1];
        r.push_back(c);
    }
    return r;
}

// The cards in scenario form, so that tulen_carddata reads them like any
// scenario of the suite.
inline bool GravaSegredos(const QString& caminho, const std::vector<CartaoTeste>& cartoes) {
    QJsonArray lista;
    for (const auto& c : cartoes)
        lista.append(QJsonObject{{"fields", QJsonObject{{"10109", QString::fromLatin1(c.trilha2)},
                                                        {"10110", QString::fromLatin1(c.trilha1)},
                                                        {"10149", QString::fromLatin1("CSEG:" + c.codigo)}}}});
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(QJsonDocument(QJsonObject{{"soakCards", lista}}).toJson()) > 0;
}

// Resident size of this process in kB.
inline long RssKb() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> partes = f.readAll().split(' ');
    if (partes.size() < 2) return -1;
    return partes[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

// Samples the resident size after the warm-up and after the last request.
class Medidor {
public:
    explicit Medidor(int aquecimento, long (*rss)() = RssKb) : aquecimento_(aquecimento), rss_(rss) {}
    void depois(int feitas) {
        if (feitas == aquecimento_) aquecido_ = rss_();
        final_ = feitas >= aquecimento_ ? rss_() : final_;
    }
    long rssAquecido() const { return aquecido_; }
    long rssFinal() const { return final_; }

private:
    int aquecimento_;
    long (*rss_)();
    long aquecido_ = -1, final_ = -1;
};

struct Contadores {
    int arquivos = 0; // PontalGravaArquivo
    int erros = 0;    // EnviaArquivoErroPDV
};

struct Resultado {
    bool ok = true;
    QStringList motivos;
};

inline Resultado Avalia(const Medidor& m, const Contadores& esperado, const Contadores& real, int falhas, bool janelas,
                        long crescimentoKb) {
    Resultado r;
    auto falha = [&r](const QString& s) {
        r.ok = false;
        r.motivos << s;
    };
    if (m.rssAquecido() < 0 || m.rssFinal() < 0)
        falha(QStringLiteral("resident size not measured"));
    else if (m.rssFinal() - m.rssAquecido() > crescimentoKb)
        falha(QStringLiteral("resident size grew %1 kB (allowed %2 kB)")
                  .arg(m.rssFinal() - m.rssAquecido())
                  .arg(crescimentoKb));
    if (real.arquivos != esperado.arquivos)
        falha(QStringLiteral("%1 transactions stored, %2 expected").arg(real.arquivos).arg(esperado.arquivos));
    if (real.erros != esperado.erros)
        falha(QStringLiteral("%1 refusals reported, %2 expected").arg(real.erros).arg(esperado.erros));
    if (falhas) falha(QStringLiteral("%1 requests ended wrong").arg(falhas));
    if (janelas) falha(QStringLiteral("a request left a window open"));
    return r;
}

} // namespace Soak
