#include "Capturaautokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "ciraz.h"
#include "lentar.h"
#include "pontal.h"

bool DecodificaDF70(const QByteArray& resposta, QByteArray& valor) {
    valor.clear();
    const qsizetype fim = resposta.indexOf('\0');
    const QString s = Apara(QString::fromLatin1(fim < 0 ? resposta : resposta.left(fim)));
    bool ok = false;
    int quantidade = s.left(3).toInt(&ok);
    if (!ok) quantidade = 0;
    if (quantidade <= 6) return false;
    const QString campoTamanho = s.mid(7, 2);
    int tamanho = campoTamanho.size() == 2 ? campoTamanho.toInt(&ok, 16) : 0;
    if (!ok || tamanho < 0) tamanho = 0;
    if (tamanho == 0) return true;
    // A value shorter than its length says is a broken answer, not a short value.
    const QString bruto = s.mid(9, tamanho * 2);
    if (bruto.size() < tamanho * 2) return false;
    valor = Apara(bruto).toLatin1();
    return true;
}

bool VerificaVersaoAplicacaoTulen() {
    Audita(QStringLiteral("Entrou: VerificaVersaoAplicacaoTulen"));
    QByteArray dados(250, '\0');
    if (MontaDadosPinpad(125, dados) != 0) return false;
    const QString fabricante = Apara(QString::fromLatin1(dados.left(20))).toUpper();
    const QString versao = Apara(QString::fromLatin1(dados.mid(33, 6)));

    const bool estendida = (fabricante == QLatin1String("GERTEC") && versao >= QLatin1String("107B03")) ||
                           versao >= QLatin1String("108A01");
    if (estendida) {
        QByteArray saida(1025, '\0');
        if (ObtemDadosPinpadAutoCapturaEstendidaTagDF70(QStringLiteral("02DF70"), saida) != 0) return false;
        QByteArray valor;
        if (!DecodificaDF70(saida.left(1025), valor)) return false;
        if (!valor.isEmpty()) {
            if (!Campos::GravaBytes(CAMPO_AUTO_CAPTURA_ESTENDIDA, "52:" + valor)) return false;
        }
    }
    Audita(QStringLiteral("Saiu : VerificaVersaoAplicacaoTulen"));
    return true;
}

bool CapturaDadosCartaoAuto() {
    QString autorizador, segundo;
    if (!FazConsultaBins(0, 0, 0, 0, 0, autorizador, segundo, 0, nullptr)) {
        if (Campos::Le(CAMPO_TIPO_OPERACAO_CARTAO) != QLatin1String("2")) RemoveCartao(Mensagem(1092));
        PontalGravaArquivo();
        return false;
    }
    auto outroAdquirente = [] {
        Campos::GravaDesfecho(QStringLiteral("FF"), Mensagem(317));
        PontalGravaArquivo();
        return false;
    };
    if (autorizador != QLatin1String("0125")) return outroAdquirente();
    if (!ProcuraMontaListaProdutoSelecionado()) return outroAdquirente();

    QString cseg = Campos::Le(CAMPO_CODIGO_SEGURANCA).trimmed();
    if (!cseg.isEmpty()) {
        if (cseg.startsWith(QLatin1String("CSEG:"))) cseg = cseg.mid(5);
        if (!Campos::Grava(CAMPO_CODIGO_SEGURANCA, cseg)) return false;
    }
    return true;
}

bool bCancelamentoDCCHabilitado() {
    Audita(QString::fromStdString(fmt::sprintf("Modulo %s : Entrou bCancelamentoDCCHabilitado", NOME_MODULO)));
    const bool r = !Campos::Le(CAMPO_VENDA_COM_DCC).isEmpty();
    Audita(QString::fromStdString(
        fmt::sprintf("Modulo %s : Saiu bCancelamentoDCCHabilitado - Retorno: %s", NOME_MODULO, r ? "Sim" : "Nao")));
    return r;
}
