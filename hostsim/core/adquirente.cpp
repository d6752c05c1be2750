#include "estado.h"
#include "ganchos.h"
#include "hostlib.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QTimer>
#include <cstring>

namespace hostsim {

namespace {

// A literal's text has no length in the descriptor; a runaway pointer must
// not make the host read without end.
constexpr size_t MAX_LITERAL = 4096;

QByteArray TextoLimitado(const char* p, size_t limite) {
    if (!p) return {};
    const void* nul = std::memchr(p, 0, limite);
    const size_t n = nul ? size_t(static_cast<const char*>(nul) - p) : limite;
    return QByteArray(p, qsizetype(n));
}

// Reply fields a new reply replaces.
constexpr uint16_t CAMPOS_RESPOSTA[] = {1009, 1027, 20013, 20017, 20026};

void LimpaResposta(CamposHost& campos) {
    for (uint16_t c : CAMPOS_RESPOSTA) campos.limpa(c);
}

QByteArray Digitos(const QByteArray& v) {
    QByteArray d;
    for (char c : v)
        if (c >= '0' && c <= '9') d += c;
    return d;
}

// The built-in acquirer, documented in RegrasAdquirente().
int RespostaPadrao(const Requisicao& req, CamposHost& campos) {
    QByteArray valor;
    bool achou = false;
    for (const auto& e : req.entradas)
        if (e.campo == 1003) {
            valor = e.valor;
            achou = true;
            break;
        }
    if (!achou) valor = campos.le(1003);
    const QByteArray d = Digitos(valor);
    LimpaResposta(campos);
    if (d.endsWith("99")) return 1;
    if (d.endsWith("51")) {
        campos.grava(1009, 0, "51");
        campos.grava(1027, 0, "TRANSACAO NEGADA");
        campos.grava(20013, 0, "NEGADA - SALDO INSUFICIENTE");
        campos.grava(20017, 0, "51TRANSACAO NEGADA");
        return 0;
    }
    const uint32_t seq = ++estado().sequenciaAdquirente;
    const QByteArray nsu = QByteArray::number(seq % 1000000).rightJustified(6, '0');
    const QByteArray aut = QByteArray::number((seq * 7919u + 100000u) % 1000000u).rightJustified(6, '0');
    campos.grava(1009, 0, "00");
    campos.grava(1027, 0, "TRANSACAO APROVADA");
    campos.grava(20013, 0, "APROVADA AUT: " + aut);
    campos.grava(20017, 0, "00" + aut + nsu + "TRANSACAO APROVADA");
    return 0;
}

// The fields and services of a reply (or of its interim part).
void EscreveResposta(const QJsonObject& resposta, CamposHost& campos) {
    QString erro;
    if (!AplicaCampos(resposta, campos, erro)) qWarning("hostsim: acquirer reply: %s", qPrintable(erro));
    if (resposta.contains("responseServices")) {
        const QByteArray reg = CodificaServicos(resposta.value("responseServices").toArray(), &erro);
        if (!erro.isEmpty()) qWarning("hostsim: acquirer reply: %s", qPrintable(erro));
        campos.grava(20026, 0, reg);
    }
}

// Keeps the request open while the event loop runs, as a line does while the
// customer acts elsewhere; true when the operator cancelled the collection
// (field 10536 turned "1") before the time was up.
bool EsperaPendente(int ms, bool jaCancelada) {
    if (!QCoreApplication::instance()) return false;
    auto cancelada = [&] { return !jaCancelada && estado().campos.le(10536) == "1"; };
    QElapsedTimer decorrido;
    decorrido.start();
    QEventLoop laco;
    QTimer vigia;
    QObject::connect(&vigia, &QTimer::timeout, &laco, [&] {
        if (cancelada() || decorrido.elapsed() >= ms) laco.quit();
    });
    vigia.start(5);
    laco.exec();
    return cancelada();
}

int AplicaResposta(const QJsonObject& resposta, CamposHost& campos, QJsonObject& registro) {
    const bool jaCancelada = campos.le(10536) == "1";
    LimpaResposta(campos);
    if (resposta.value("noReply").toBool()) return 1;
    if (resposta.contains("interim")) EscreveResposta(resposta.value("interim").toObject(), campos);
    if (const int ms = resposta.value("pendingMs").toInt(); ms > 0 && EsperaPendente(ms, jaCancelada)) {
        registro.insert("cancelled", true);
        return 1;
    }
    EscreveResposta(resposta, campos);
    return 0;
}

void AnexaDecimal(QByteArray& saida, qsizetype n, char fim) {
    saida += QByteArray::number(qlonglong(n));
    saida += fim;
}

} // namespace

Requisicao MontaRequisicao(const TTransacao& descritor, const CamposHost& campos) {
    Requisicao r;
    r.codigo = descritor.codigo;
    r.flag = descritor.flag;
    for (int i = 0; i < MAX_ENTRADAS_DESCRITOR; ++i) {
        const TEntradaTransacao& e = descritor.entradas[i];
        if (e.campo == FIM_DESCRITOR) break;
        EntradaRequisicao s;
        s.campo = e.campo;
        s.indice = e.indice;
        s.tamanho = e.tamanho;
        s.formato = e.formato;
        s.modo = e.modo;
        const char* texto = TextoEntrada(e);
        if (e.campo != 0) {
            s.tag = TextoLimitado(texto, MAX_LITERAL);
            s.valor = campos.le(e.campo, e.indice);
        } else if (e.tamanho > 0) {
            // A module variable: as many of its bytes as the entry's length
            // says, up to its terminating zero.
            s.valor = TextoLimitado(texto, e.tamanho);
        } else {
            s.valor = TextoLimitado(texto, MAX_LITERAL);
        }
        r.entradas.push_back(std::move(s));
    }
    return r;
}

QByteArray CodificaRequisicao(const Requisicao& r) {
    QByteArray s = "TLQ1 ";
    AnexaDecimal(s, r.codigo, ' ');
    AnexaDecimal(s, r.flag, ' ');
    AnexaDecimal(s, qsizetype(r.entradas.size()), '\n');
    for (const auto& e : r.entradas) {
        AnexaDecimal(s, e.campo, '.');
        AnexaDecimal(s, e.indice, ' ');
        AnexaDecimal(s, e.formato, ' ');
        AnexaDecimal(s, e.modo, ' ');
        AnexaDecimal(s, e.tag.size(), ':');
        s += e.tag;
        AnexaDecimal(s, e.valor.size(), ':');
        s += e.valor;
        s += '\n';
    }
    return s;
}

namespace {
struct Leitor {
    const QByteArray& b;
    qsizetype p = 0;
    bool numero(qlonglong& n, char fim, qlonglong max) {
        n = 0;
        const qsizetype ini = p;
        while (p < b.size() && b[p] >= '0' && b[p] <= '9') {
            n = n * 10 + (b[p++] - '0');
            if (n > max) return false;
        }
        if (p == ini || p >= b.size() || b[p] != fim) return false;
        ++p;
        return true;
    }
    bool bytes(qsizetype n, QByteArray& saida) {
        if (n < 0 || n > b.size() - p) return false;
        saida = b.mid(p, n);
        p += n;
        return true;
    }
    bool literal(const char* t) {
        const qsizetype n = qsizetype(std::strlen(t));
        if (b.mid(p, n) != t) return false;
        p += n;
        return true;
    }
};
} // namespace

std::optional<Requisicao> DecodificaRequisicao(const QByteArray& bytes) {
    Leitor l{bytes};
    Requisicao r;
    qlonglong codigo, flag, n;
    if (!l.literal("TLQ1 ") || !l.numero(codigo, ' ', 0xFFFF) || !l.numero(flag, ' ', 0xFFFF) ||
        !l.numero(n, '\n', MAX_ENTRADAS_DESCRITOR))
        return std::nullopt;
    r.codigo = uint16_t(codigo);
    r.flag = uint16_t(flag);
    for (qlonglong i = 0; i < n; ++i) {
        EntradaRequisicao e;
        qlonglong campo, indice, formato, modo, tt, tv;
        if (!l.numero(campo, '.', 0xFFFF) || !l.numero(indice, ' ', 0xFFFF) || !l.numero(formato, ' ', 0xFFFF) ||
            !l.numero(modo, ' ', 0xFF) || !l.numero(tt, ':', bytes.size()) || !l.bytes(tt, e.tag) ||
            !l.numero(tv, ':', bytes.size()) || !l.bytes(tv, e.valor) || !l.literal("\n"))
            return std::nullopt;
        e.campo = uint16_t(campo);
        e.indice = uint16_t(indice);
        e.formato = uint16_t(formato);
        e.modo = uint8_t(modo);
        r.entradas.push_back(std::move(e));
    }
    if (l.p != bytes.size()) return std::nullopt;
    return r;
}

int EnviaAoAdquirente(const void* descritor, const QString& via, int modo) {
    if (!descritor) return -1;
    Estado& est = estado();
    const Requisicao req = MontaRequisicao(*static_cast<const TTransacao*>(descritor), est.campos);
    if (est.respostasAdquirente.isEmpty())
        if (auto r = PedeDecisaoAdquirente(req)) est.respostasAdquirente.append(*r);

    QJsonArray entradas;
    for (const auto& e : req.entradas)
        entradas.append(QJsonObject{{"field", e.campo},
                                    {"index", e.indice},
                                    {"tag", QString::fromLatin1(e.tag)},
                                    {"format", e.formato},
                                    {"mode", e.modo},
                                    {"value", QString::fromLatin1(e.valor)}});
    QJsonObject registro{{"via", via}, {"mode", modo}, {"code", req.codigo}, {"flag", req.flag}, {"entries", entradas}};
    const qsizetype posicao = est.requisicoes.size();
    est.requisicoes.append(registro);

    // What the acquirer receives is the line's bytes, not the module's memory.
    const auto recebida = DecodificaRequisicao(CodificaRequisicao(req));
    if (!recebida) return -2;

    if (est.respostasAdquirente.isEmpty()) return RespostaPadrao(*recebida, est.campos);
    const int r = AplicaResposta(est.respostasAdquirente.takeFirst(), est.campos, registro);
    // A pending reply lets other requests go out meanwhile: this one keeps its place.
    if (registro.contains("cancelled") && posicao < est.requisicoes.size()) est.requisicoes[posicao] = registro;
    return r;
}

// ---- Reply services of field 20026: letter, three-digit length, text -------

QByteArray CodificaServicos(const QJsonArray& servicos, QString* erro) {
    QByteArray r;
    for (const QJsonValue& v : servicos) {
        const QJsonObject o = v.toObject();
        QByteArray letra, texto;
        if (!TextoParaLatin1(o.value("letter").toString(), letra) || letra.size() != 1 ||
            !TextoParaLatin1(o.value("text").toString(), texto) || texto.size() > 999) {
            if (erro)
                *erro = QStringLiteral("responseServices: each needs a one-letter \"letter\" and a "
                                       "Latin-1 \"text\" of at most 999 characters");
            continue;
        }
        r += letra + QByteArray::number(texto.size()).rightJustified(3, '0') + texto;
    }
    return r;
}

namespace {
// Calls `visita(inicio, fim, letra, texto)` for each well-formed service;
// stops at the first malformed one.
template <class F> void PercorreServicos(const QByteArray& reg, F visita) {
    qsizetype p = 0;
    while (p + 4 <= reg.size()) {
        const char letra = reg[p];
        int n = 0;
        for (int k = 1; k <= 3; ++k) {
            const char c = reg[p + k];
            if (c < '0' || c > '9') return;
            n = n * 10 + (c - '0');
        }
        if (n > reg.size() - (p + 4)) return;
        if (!visita(p, p + 4 + n, letra, reg.mid(p + 4, n))) return;
        p += 4 + n;
    }
}
} // namespace

std::optional<QByteArray> LocalizaServico(const QByteArray& registro, char letra, const QByteArray& codigo) {
    std::optional<QByteArray> r;
    PercorreServicos(registro, [&](qsizetype, qsizetype, char l, const QByteArray& t) {
        if (l == letra && t.startsWith(codigo)) {
            r = t;
            return false;
        }
        return true;
    });
    return r;
}

std::optional<QByteArray> RemoveServico(const QByteArray& registro, char letra, const QByteArray& codigo) {
    std::optional<QByteArray> r;
    PercorreServicos(registro, [&](qsizetype ini, qsizetype fim, char l, const QByteArray& t) {
        if (l == letra && t.startsWith(codigo)) {
            r = registro.left(ini) + registro.mid(fim);
            return false;
        }
        return true;
    });
    return r;
}

} // namespace hostsim
