#include "Baixatecnicakora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "bromo.h"
#include "ciraz.h"
#include "platform.h"
#include "pontal.h"
#include "transaction/Descritoreskora.h"

#include <QFile>
#include <QLabel>
#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

const QString kIniCliente = QStringLiteral("Cliente.ini");
const QString kSecao = QStringLiteral("DadosPinpad");
const QString kUltimaVerificacao = QStringLiteral("DataHoraUltimaVerificacao");
const QString kIntervalo = QStringLiteral("IntervaloEmMinutosBaixaTecnica");
const QString kUltimaBaixa = QStringLiteral("UltimaBaixaTecnica");
const QString kVersao = QStringLiteral("VersaoAutomacao");
const QString kSam = QStringLiteral("DadosModuloSAM");
const QString kSerie = QStringLiteral("NumeroSeriePinpad");

constexpr int TAM_BLOCO_PINPAD = 257;
constexpr int TAM_ITEM_SALVO = 1024;
constexpr int TAM_REGISTRO_CARTAO = 54;
constexpr int TAM_VERSAO = 10;
const char kFormatoData[] = "ddMMyyyyHHmmss";

void GravaChave(const QString& chave, const QString& valor) { Plataforma::GravaIni(kIniCliente, kSecao, chave, valor); }

// A field element as it was, to be put back exactly.
struct CampoSalvo {
    bool existe = false;
    QByteArray dados;
};

CampoSalvo Salva(int campo, int indice, int capacidade) {
    CampoSalvo s;
    s.dados = Campos::LeBytes(campo, capacidade, indice);
    s.existe = !s.dados.isEmpty();
    return s;
}

// Puts a saved field back; a refusal is left in the audit trail, since the
// request that needed it has already gone.
void Restaura(int campo, const CampoSalvo& s) {
    if (!s.existe)
        Campos::Limpa(campo);
    else if (!Campos::GravaBytes(campo, s.dados))
        Audita(FormataMensagem(QStringLiteral("Kora41 - BaixaTecnica: campo %d nao restaurado"), campo));
}

bool GravaItem(int indice, const QByteArray& dados) {
    return Campos::GravaBytes(CAMPO_ITENS_BAIXA_TECNICA, dados, indice);
}

// A pinpad data block, always TAM_BLOCO_PINPAD bytes whatever the library handed back.
bool BlocoPinpad(int modo, QByteArray& bloco) {
    bloco = QByteArray(TAM_BLOCO_PINPAD, '\0');
    const bool ok = MontaDadosPinpad(modo, bloco) == 0;
    bloco = bloco.leftJustified(TAM_BLOCO_PINPAD, '\0', true);
    return ok;
}

QString TextoBloco(const QByteArray& bloco, int inicio, int tamanho) {
    return Apara(QString::fromLatin1(bloco.mid(inicio, tamanho)));
}

QByteArray ItemSemDadosPinpad() { return QByteArray(256, ' ') + '\0'; }

// The items of a request without pinpad data.
bool GravaItensSemPinpad() { return GravaItem(1, ItemSemDadosPinpad()) && GravaItem(2, QByteArrayLiteral("No DUKPT")); }

int CodigoResposta() {
    bool ok = false;
    const int v = Campos::Le(CAMPO_CODIGO_RESPOSTA).trimmed().toInt(&ok);
    return ok ? v : 255;
}

// The write-off request itself; true when the acquirer approved it.
bool EnviaBaixaTecnica(QLabel* mensagem) {
    const CampoSalvo requisicao = Salva(CAMPO_CODIGO_REQUISICAO, 0, TAM_ITEM_SALVO);
    if (!Campos::Grava(CAMPO_CODIGO_REQUISICAO, QStringLiteral("39"))) return false;
    const QString textoLabel = mensagem ? mensagem->text() : QString();
    const CampoSalvo registro = Salva(CAMPO_REGISTRO_CARTAO, 0, TAM_REGISTRO_CARTAO);

    AutorizaTransacao(&TrnBaixaTecnica, mensagem, 0);

    if (registro.existe) Restaura(CAMPO_REGISTRO_CARTAO, registro);
    if (mensagem) mensagem->setText(textoLabel);
    Plataforma::ProcessMessages();
    const bool aprovada = CodigoResposta() == 0;
    // Until the transaction's own authorization, its outcome is "not done".
    Campos::GravaDesfecho(QStringLiteral("255"), Mensagem(801));
    Restaura(CAMPO_CODIGO_REQUISICAO, requisicao);
    return aprovada;
}

QDate Ontem(const QDate& hoje) {
    const QString r = SubtraiData(hoje.toString(QStringLiteral("ddMMyyyy")), 1);
    const QDate d = QDate::fromString(r.trimmed(), QStringLiteral("ddMMyyyy"));
    return d.isValid() ? d : hoje.addDays(-1);
}

void CopiaSeExiste(const QString& origem, const QString& destino) {
    const QString dir = Plataforma::DiretorioHost();
    if (QFile::exists(dir + origem)) Plataforma::CopiaArquivo(dir + origem, dir + destino, false);
}

// `prefixo` + yyyymmdd + `extensao` for yesterday (-> ".offda") and today (-> ".off").
void CopiaOffLine(const QString& prefixo, const QString& extensao) {
    const QDate hoje = Plataforma::Agora().date();
    const QString ontem = prefixo + Ontem(hoje).toString(QStringLiteral("yyyyMMdd"));
    const QString atual = prefixo + hoje.toString(QStringLiteral("yyyyMMdd"));
    CopiaSeExiste(ontem + extensao, ontem + QStringLiteral(".offda"));
    CopiaSeExiste(atual + extensao, atual + QStringLiteral(".off"));
}

// DDMMYYYYHHMMSS as local time; invalid unless all fourteen are digits of a real moment.
// QDateTime::fromString would do, but it parses its format anew on every call.
QDateTime LeDataHora(const QString& texto) {
    const QString t = texto.trimmed().left(14);
    if (t.size() != 14) return {};
    int d[14];
    for (int i = 0; i < 14; ++i) {
        if (t[i] < u'0' || t[i] > u'9') return {};
        d[i] = t[i].unicode() - u'0';
    }
    auto n = [&d](int i, int k) {
        int v = 0;
        for (int j = i; j < i + k; ++j) v = v * 10 + d[j];
        return v;
    };
    const QDate data(n(4, 4), n(2, 2), n(0, 2));
    const QTime hora(n(8, 2), n(10, 2), n(12, 2));
    if (!data.isValid() || !hora.isValid()) return {};
    return QDateTime(data, hora);
}

} // namespace

bool VerificaSeDeuHorarioBaixaTecnica(const QString& agora, const QString& ultima, const QString& intervalo) {
    if (ultima.trimmed().isEmpty()) return true;
    bool ok = false;
    int minutos = intervalo.trimmed().toInt(&ok);
    if (!ok) minutos = 0;
    const QDateTime a = LeDataHora(agora), u = LeDataHora(ultima);
    // A time stamp that cannot be read must not stop the reports.
    if (!a.isValid() || !u.isValid()) return true;
    const qint64 passados = std::llabs(u.secsTo(a)) / 60;
    return passados >= minutos;
}

bool VerificaMontaDadosRealizaBaixaTecnica(QLabel* mensagem) {
    return VerificaMontaDadosRealizaBaixaTecnica(true, mensagem);
}

bool VerificaMontaDadosRealizaBaixaTecnica(bool bVerificaHorario, QLabel* mensagem) {
    const QString agora = Plataforma::Agora().toString(QString::fromLatin1(kFormatoData));
    // Every transaction runs this check: the file is read once for all its keys.
    const Plataforma::RetratoIni ini(kIniCliente);
    auto LeChave = [&ini](const QString& chave, const QString& padrao = {}) { return ini.le(kSecao, chave, padrao); };
    const QString ultimaVerificacao = LeChave(kUltimaVerificacao);
    const QString intervalo = LeChave(kIntervalo, QStringLiteral("0"));
    const QString ultimaBaixa = LeChave(kUltimaBaixa);
    const QString versaoGuardada = LeChave(kVersao).left(TAM_VERSAO);
    const QString versaoAtual = Campos::Le(CAMPO_VERSAO_AUTOMACAO).left(TAM_VERSAO);

    const bool mudou = agora.left(8) != ultimaBaixa.left(8) || versaoAtual != versaoGuardada;
    if (!mudou && bVerificaHorario && !VerificaSeDeuHorarioBaixaTecnica(agora, ultimaVerificacao, intervalo))
        return false;

    QByteArray bloco3;
    const bool ok3 = BlocoPinpad(3, bloco3);
    std::array<CampoSalvo, 3> itens;
    for (int i = 0; i < 3; ++i) itens[size_t(i)] = Salva(CAMPO_ITENS_BAIXA_TECNICA, i, TAM_ITEM_SALVO);

    if (!ok3) {
        // No pinpad to report: the request items say so and nothing is sent.
        if (!GravaItem(0, QByteArray(100, ' ')) || !GravaItensSemPinpad())
            Audita(QStringLiteral("Kora41 - BaixaTecnica: itens sem pinpad nao gravados"));
        return false;
    }

    bool itensGravados = GravaItem(0, bloco3.left(100));
    const QString serie = TextoBloco(bloco3, 80, 20);
    QByteArray bloco125;
    const bool ok125 = BlocoPinpad(125, bloco125);
    const QString sam = ok125 ? TextoBloco(bloco125, 40, 217) : QString();

    bool resultado = false;
    if (sam == LeChave(kSam) && serie == LeChave(kSerie) && !mudou) {
        // Within the same second there is nothing new to write.
        if (bVerificaHorario && agora != ultimaVerificacao) GravaChave(kUltimaVerificacao, agora);
    } else {
        const qsizetype fim = bloco125.indexOf('\0');
        itensGravados =
            itensGravados && (ok125 ? GravaItem(1, fim < 0 ? bloco125 : bloco125.left(fim)) : GravaItensSemPinpad());
        MontaBufferDadosDUKPTBaixaTecnica();
        // Items the store refused would report another pinpad: nothing is sent.
        resultado = itensGravados && EnviaBaixaTecnica(mensagem);
        if (resultado) {
            GravaChave(kSam, sam);
            GravaChave(kUltimaBaixa, agora);
            GravaChave(kUltimaVerificacao, agora);
            GravaChave(kSerie, serie);
            GravaChave(kVersao, versaoAtual);
        }
    }

    // The transaction's own request goes out with the items it had.
    if (std::none_of(itens.begin(), itens.end(), [](const CampoSalvo& s) { return s.existe; })) {
        Campos::Limpa(CAMPO_ITENS_BAIXA_TECNICA);
    } else {
        for (int i = 0; i < 3; ++i)
            if (!GravaItem(i, itens[size_t(i)].dados))
                Audita(QStringLiteral("Kora41 - BaixaTecnica: itens da transacao nao restaurados"));
    }
    return resultado;
}

void CopiaAuditOffLine() { CopiaOffLine(QStringLiteral("Audit/"), QStringLiteral(".aud")); }

void CopiaLogBibliPinpadOffLine() { CopiaOffLine(QStringLiteral("BiblPinPad."), QStringLiteral(".dmp")); }
