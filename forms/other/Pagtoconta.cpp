#include "Pagtoconta.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "ciraz.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"
#include "lentar.h"
#include "platform.h"
#include "pontal.h"
#include "transaction/Descritoreskora.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmPagtoConta_Trn* FrmPagtoConta_Trn = nullptr;
QString ModoEntrada;
int confirmacao = 0;
QByteArray ServACB;

int RetornaSoma(const QString& digitos, int primeiroPeso) {
    int soma = 0, peso = primeiroPeso;
    for (qsizetype i = digitos.size() - 1; i >= 0; --i) {
        const int p = digitos[i].digitValue() * peso;
        soma += p % 10 + p / 10;
        peso = peso == 2 ? 1 : 2;
    }
    return soma;
}

bool ValidaCodigoBarrasCompleto(const QString& codigo) {
    if (codigo.size() < 4) return false;
    QString resto = codigo;
    const QChar geral = resto[3];
    resto.remove(3, 1);
    // A typed line also carries one check digit per block.
    if (resto.size() == 47)
        for (int pos : {11, 22, 33, 44}) resto.remove(pos - 1, 1);
    for (QChar c : resto)
        if (!c.isDigit()) return false;
    const int dv = (10 - RetornaSoma(resto, 2) % 10) % 10;
    return geral.isDigit() && geral.digitValue() == dv;
}

TFrmPagtoConta_Trn* TFrmPagtoConta_Trn::Cria() { return TFrmMod::CriaForm<TFrmPagtoConta_Trn>(); }

TFrmPagtoConta_Trn::TFrmPagtoConta_Trn(QWidget* parent) : TFrmTrn_Mod(parent) {
    setObjectName(QStringLiteral("FrmPagtoConta_Trn"));
    Controles(this)
        .Rotulo(lbDocumento, "lbDocumento", pnCaptura, {8, 96, 130, 16}, "Documento:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edDocumento, "edDocumento", pnCaptura, {142, 92, 420, 24}, {.max = 48, .foco = 264});
    OrdemTab({edValor, edDocumento, btConfirma, btRetorna});
    btRetorna->disconnect(this);
    QObject::connect(btRetorna, &QPushButton::clicked, this, [this] { btRetornaClick(); });
}

void TFrmPagtoConta_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    lbTitulo->setText(Mensagem(2661));
    lbDocumento->setText(Mensagem(726));
    pTransacao = &TrnConsultaCodBarras;
    ModoEntrada = Campos::Le(CAMPO_MODO_CODIGO_BARRAS);
    const QString codigo = Campos::Le(CAMPO_CODIGO_BARRAS);
    if (codigo.size() > 30) {
        edDocumento->setText(codigo);
        edDocumento->setReadOnly(true);
        edDocumento->setEnabled(false);
        // The amount is the 11 digits after the first four of the bar code.
        QString barras = codigo;
        if (barras.size() == 48) barras.remove(11, 1);
        const qlonglong valor = barras.mid(4, 11).toLongLong();
        if (valor > 0) edValor->setText(Dollar(RemoveFormato(barras.mid(4, 11))));
    } else {
        edDocumento->clear();
        edDocumento->setReadOnly(false);
        edDocumento->setEnabled(true);
        ModoEntrada = QStringLiteral("1");
    }
    bCapturaSenha = false;
    Tag = 1;
    lbValor->hide();
    edValor->hide();
}

void TFrmPagtoConta_Trn::RecusaCodigo(int mensagem, Plataforma::Icone icone) {
    CaixaMensagem(Mensagem(mensagem), Plataforma::MB_OK, icone);
    pnCaptura->setEnabled(true);
    if (!edDocumento->isReadOnly()) edDocumento->setEnabled(true);
    edDocumento->setFocus();
}

bool TFrmPagtoConta_Trn::ValidaCamposForm() { return ConsisteCodigoBarras(); }

bool TFrmPagtoConta_Trn::ConsisteCodigoBarras() {
    const QString codigo = edDocumento->text();
    if (codigo.size() < 30) {
        RecusaCodigo(2662, Plataforma::Icone::Exclamacao);
        return false;
    }
    if (codigo[0] != QLatin1Char('8')) {
        RecusaRequisicao(2643);
        Encerra(mrOk);
        PontalGravaArquivo();
        return false;
    }
    if (codigo.size() == 48) {
        for (int b = 0; b < 4; ++b) {
            const QString bloco = codigo.mid(b * 12, 12);
            if (ValidaDV(bloco, 12, 12, codigo[2]) != bloco[11].digitValue()) {
                RecusaCodigo(2663, Plataforma::Icone::Erro);
                return false;
            }
        }
    }
    if (!ValidaCodigoBarrasCompleto(codigo)) {
        RecusaCodigo(2663, Plataforma::Icone::Erro);
        return false;
    }
    return true;
}

bool TFrmPagtoConta_Trn::GravaCamposPontal() {
    if (!TFrmTrn_Mod::GravaCamposPontal()) return false;
    if (!Campos::Grava(CAMPO_CODIGO_REQUISICAO, Tag == 1 ? QStringLiteral("47") : QStringLiteral("42")) ||
        !Campos::Grava(CAMPO_CODIGO_MODULO, QStringLiteral("0125")))
        return false;
    if (Tag == 2 && !Campos::Grava(CAMPO_FASE_TROCA, QStringLiteral("2"))) return false;
    // The entry mode follows the code itself, whatever the host said.
    ModoEntrada = edDocumento->text().size() == 44 ? QStringLiteral("0") : QStringLiteral("1");
    return Campos::Grava(CAMPO_MODO_CODIGO_BARRAS, ModoEntrada) &&
           Campos::Grava(CAMPO_CODIGO_BARRAS, edDocumento->text()) &&
           Campos::Grava(CAMPO_ORIGEM_CODIGO_BARRAS,
                         ModoEntrada == QLatin1String("0") ? QStringLiteral("1") : QStringLiteral("0"));
}

void TFrmPagtoConta_Trn::btConfirmaClick() {
    bControlaKeyPreview = false;
    HabilitaControles(false);
    MostraMensagem(Mensagem(43));
    Plataforma::ProcessMessages();
    if (Tag == 1) {
        if (!ValidaCamposForm() || !GravaCamposPontal()) {
            if (!Encerrado()) HabilitaControles(true);
            return;
        }
        ExibeMsgPinpad(Mensagem(1091));
        AutorizaTransacao(pTransacao, lbMensagem, 0);
        ExibeMsgPinpad(QString());
        if (Campos::LeNumero(CAMPO_CODIGO_RESPOSTA) != 0) {
            PontalGravaArquivo();
            Encerra(mrOk);
            return;
        }
        ServACB = Campos::LeBytes(CAMPO_RESPOSTA_CODIGO_BARRAS, 30);
        const QString valor = QString::fromLatin1(ServACB.mid(4, 12));
        bool numero = false;
        if (valor.size() == 12 && valor.toLongLong(&numero) > 0 && numero) {
            (void)Campos::Grava(CAMPO_VALOR_TRANSACAO, valor);
            edValor->setText(Dollar(valor));
        }
        Tag = 2;
        pTransacao = &TrnPagamentoConta;
    } else {
        HabilitaControles(true);
    }
    confirmacao = 0;
    (void)Campos::Grava(CAMPO_CODIGO_RESPOSTA, QStringLiteral("FF"));
    (void)Campos::Grava(CAMPO_TEXTO_RESULTADO, Mensagem(801));
    CapturaCartao();
    if (confirmacao == 6) {
        PontalGravaArquivo();
        Campos::Limpa(CAMPO_RESULTADO_TRANSACAO);
        Encerra(mrOk);
    } else if (confirmacao == 1) {
        Encerra(mrOk);
    } else if (Tag == 2) {
        TFrmTrn_Mod::btConfirmaClick();
    }
}

void TFrmPagtoConta_Trn::CapturaCartao() {
    bCapturaSenha = true;
    bControlaKeyPreview = false;
    HabilitaControles(false);
    MostraMensagem(Mensagem(43));
    (void)Campos::Grava(CAMPO_TIPO_VENDA, QStringLiteral("1"));
    (void)Campos::Grava(CAMPO_CONSULTA_BINS, QStringLiteral("0"));
    Plataforma::ProcessMessages();
    Campos::Limpa(CAMPO_CONSULTA_BINS_AVS);
    QString autorizador, segundo;
    if (!FazConsultaBins(1, 0, 0, 0, 0, autorizador, segundo, 0, lbMensagem)) {
        QString texto = Apara(Campos::Le(CAMPO_TEXTO_RESULTADO));
        if (EhCartaoChipComContato())
            texto = texto.isEmpty() ? Mensagem(944) : texto + QStringLiteral(" - ") + Mensagem(944);
        MostraMensagem(texto);
        if (Campos::Le(CAMPO_TIPO_OPERACAO_CARTAO) != QLatin1String("2")) RemoveCartao(Mensagem(1092));
        confirmacao = 6;
        return;
    }
    if (autorizador != QLatin1String("0125") || !ProcuraMontaListaProdutoSelecionado()) {
        (void)Campos::Grava(CAMPO_CODIGO_RESPOSTA, QStringLiteral("FF"));
        (void)Campos::Grava(CAMPO_TEXTO_RESULTADO, Mensagem(317));
        confirmacao = 6;
        return;
    }
    QString seguranca = Campos::Le(CAMPO_CODIGO_SEGURANCA).trimmed();
    if (!seguranca.isEmpty()) {
        if (seguranca.startsWith(QLatin1String("CSEG:"))) seguranca = seguranca.mid(5);
        if (!Campos::Grava(CAMPO_CODIGO_SEGURANCA, seguranca)) return;
    }
    confirmacao = 2;
    edValor->setText(Dollar(RemoveFormato(Campos::Le(CAMPO_VALOR_TRANSACAO))));
    Tag = 2;
}

void TFrmPagtoConta_Trn::btRetornaClick() {
    lbMensagem->clear();
    FinalizaComunicacaoPinpad();
    Encerra(mrCancel);
}

bool TFrmPagtoConta_Trn::FiltraEvento(QObject* obj, QEvent* ev) {
    if (ev->type() == QEvent::KeyPress && obj == edDocumento) {
        auto* k = static_cast<QKeyEvent*>(ev);
        const QString t = k->text();
        if (t.size() == 1 && t[0].unicode() >= 32 && t[0].unicode() < 256) {
            const char c = ValKeyBoard(char(uchar(t[0].unicode())));
            if (!(c >= '0' && c <= '9')) return true;
        }
    }
    return TFrmTrn_Mod::FiltraEvento(obj, ev);
}

// A typed line, before the query.
static QDialog* FormGaleriaPagtoConta() {
    Campos::Limpa(CAMPO_CODIGO_BARRAS);
    Campos::Limpa(CAMPO_VALOR_TRANSACAO);
    return TFrmPagtoConta_Trn::Cria();
}
KORA_REGISTRA_GALERIA(FrmPagtoConta_Trn, FormGaleriaPagtoConta)
KORA_REGISTRA_FORM(FrmPagtoConta_Trn, TFrmPagtoConta_Trn)
