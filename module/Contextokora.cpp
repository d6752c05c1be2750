#include "Contextokora.h"

#include "Camposkora.h"
#include "bromo.h"
#include "platform.h"
#include "pontal.h"

#include <algorithm>
#include <cstring>

QString VERSAO_DO_MODULO;
char TITULO_APLICACAO[129] = {};

void DefineTituloAplicacao(const QString& titulo) {
    const QByteArray b = titulo.toLatin1();
    const size_t n = std::min<size_t>(size_t(b.size()), sizeof TITULO_APLICACAO - 1);
    std::memset(TITULO_APLICACAO, 0, sizeof TITULO_APLICACAO);
    std::memcpy(TITULO_APLICACAO, b.constData(), n);
}

QString Mensagem(int numero) {
    QString t;
    LeMensagens(t, numero);
    return t;
}

void Audita(const QString& linha) {
    const QByteArray b = linha.toLatin1();
    GravaAudit(0, b.constData(), int32_t(b.size()));
}

void RecusaRequisicao(int numero) { EnviaArquivoErroPDV(255, Mensagem(numero)); }

QString Apara(const QString& texto) {
    qsizetype i = 0, f = texto.size();
    while (i < f && texto.at(i).unicode() <= 0x20) ++i;
    while (f > i && texto.at(f - 1).unicode() <= 0x20) --f;
    return texto.mid(i, f - i);
}

int ExecutaFormModal(QDialog* pai, QDialog* form) {
    form->exec();
    Plataforma::ProcessMessages();
    const int resultado = form->result();
    if (pai) {
        if (resultado == QDialog::Accepted)
            pai->done(resultado);
        else
            pai->setFocus();
    } else if (resultado == 2) {
        PontalGravaArquivo();
        PontalLimpaCampo(CAMPO_RESULTADO_TRANSACAO);
    }
    return resultado;
}

void ReportaFormNaoCriado(const char* nomeForm) {
    Plataforma::GaranteAplicacao();
    Plataforma::MessageBox(FormataMensagem(Mensagem(802), nomeForm), QString::fromLatin1(TITULO_APLICACAO),
                           Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
}
