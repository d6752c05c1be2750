#include "Trnmodelokora.h"

#include "Campos.h"
#include "Constanteskora.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "ciraz.h"
#include "framework/Controleskora.h"
#include "framework/Retornooperador6b.h"
#include "transaction/Baixatecnicakora.h"
#include "transaction/Conversaomoedakora.h"
#include "capture/Capturaadicionais.h"
#include "platform.h"
#include "pontal.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

TFrmTrn_Mod* FrmTrn_Mod = nullptr;
bool bControlaKeyPreview = true;

using namespace Campos;

namespace {
// Waits without blocking the event loop (the pinpad text stays up meanwhile).
void Espera(int ms) {
    QEventLoop laco;
    QTimer::singleShot(ms, &laco, &QEventLoop::quit);
    laco.exec();
}

// The data-collection flags of field 10148 in a zeroed 32-byte buffer.
QByteArray LeColetaDados(int& lidos) {
    QByteArray b = LeBytes(CAMPO_COLETA_DADOS, 31);
    lidos = int(b.size());
    b.append(QByteArray(32 - lidos, '\0'));
    return b;
}

} // namespace

// ---- Amounts ---------------------------------------------------------------------------
QChar SeparadorDecimal() {
    const QString d = Dollar(QStringLiteral("1"));
    if (d.size() >= 3 && !d[d.size() - 3].isDigit()) return d[d.size() - 3];
    return QLatin1Char(',');
}

int RecusaContagemParcelas(const QString& texto, int minimo, int maximo) {
    bool ok = false;
    const int n = texto.trimmed().toInt(&ok);
    if (!ok || n < minimo) return 1177;
    return n > maximo ? 320 : 0;
}

bool ConverteValor(const QString& texto, double& valor) {
    const QString s = texto.trimmed();
    const QChar sep = SeparadorDecimal();
    if (s.isEmpty()) return false;
    QString inteira, fracao;
    bool naFracao = false, negativo = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (i == 0 && c == QLatin1Char('-')) {
            negativo = true;
        } else if (c == sep) {
            if (naFracao) return false;
            naFracao = true;
        } else if (c.isDigit()) {
            (naFracao ? fracao : inteira) += c;
        } else if (!naFracao && (c == QLatin1Char('.') || c == QLatin1Char(',') || c == QLatin1Char(' '))) {
            // thousands grouping
        } else {
            return false;
        }
    }
    if (inteira.isEmpty() && fracao.isEmpty()) return false;
    bool ok = false;
    const double v = (QStringLiteral("0") + inteira + QStringLiteral(".") + fracao + QStringLiteral("0")).toDouble(&ok);
    if (!ok) return false;
    valor = negativo ? -v : v;
    return true;
}

QString SomaValores(bool bIncluiSaque) {
    QList<int> campos{CAMPO_VALOR_TRANSACAO, CAMPO_TAXA_SERVICO, CAMPO_TAXA_EMBARQUE};
    if (bIncluiSaque) campos << CAMPO_VALOR_SAQUE;
    qlonglong soma = 0;
    for (int c : campos) {
        bool ok = false;
        const qlonglong v = RemoveFormato(Le(c)).toLongLong(&ok);
        if (ok) soma += v;
    }
    return QString::number(soma);
}

void VerificaTrataValorMenorDesconto() {
    char buffer[16] = {};
    int tamanho = 0;
    if (!ProcuraServico(0, CAMPO_SERVICOS_RESPOSTA, char(81), QStringLiteral("039"), buffer, 15, &tamanho)) return;
    QByteArray texto(buffer, qBound(0, tamanho, 15));
    const qsizetype zero = texto.indexOf('\0');
    if (zero >= 0) texto.truncate(zero);
    if (!Grava(CAMPO_VALOR_SERVICO_039, Dollar(QString::fromLatin1(texto.mid(3))).trimmed()))
        Audita(QStringLiteral("Kora41 - valor do servico 039 nao gravado"));
}

// ---- Card data -----------------------------------------------------------------------------
int16_t GravaTrilhas(int codigoMensagem) {
    const char separador = codigoMensagem == 240 ? '\x00' : '\x04';
    QByteArray registro;
    if (Le(CAMPO_TIPO_OPERACAO_CARTAO) == QLatin1String("2")) {
        // Typed card data travel in their own field; the record keeps only the separator.
        const QString digitado = Le(CAMPO_DADOS_CARTAO);
        if (!digitado.isEmpty()) {
            if (!Grava(CAMPO_CARTAO_DIGITADO, digitado)) return -1;
        }
        registro.append(separador);
    } else {
        Limpa(CAMPO_CARTAO_DIGITADO);
        const QByteArray trilha2 = LeBytes(CAMPO_TRILHA2, 64);
        const QByteArray trilha1 = LeBytes(CAMPO_TRILHA1, 128);
        if (!trilha2.startsWith("CMT:")) registro += trilha2;
        registro.append(separador);
        registro += trilha1;
    }
    return GravaBytes(CAMPO_DADOS_CARTAO, registro) ? 0 : -1;
}

bool FormataDadosCartaoPinpad() {
    if (Le(CAMPO_TIPO_OPERACAO_CARTAO) != QLatin1String("2")) return true;
    const QString tipoPin =
        Plataforma::LeIni(QStringLiteral("Cliente.ini"), QStringLiteral("CLIENTOMBRA"), QStringLiteral("TipoPIN"));
    QString descritor = QStringLiteral("1;06;1;0;0;000000");
    if (tipoPin != QLatin1String("Nenhum") && !tipoPin.isEmpty()) {
        QByteArray bloco;
        MontaDadosPinpad(125, bloco);
        const QByteArray dados = Apara(bloco.mid(40, 217));
        descritor = dados.isEmpty() || dados == "00" ? QStringLiteral("3;06;1;0;0;000000")
                                                     : QStringLiteral("4;06;1;0;0;000000");
    }
    return Grava(CAMPO_TAG_002, descritor);
}

bool SetaCapturaSenha() {
    int lidos = 0;
    QByteArray coleta = LeColetaDados(lidos);
    const int pos = PONTAL_MODO_COLETA_DADOS_SENHA - 1;
    if (coleta[pos] == '0') coleta[pos] = '1';
    return GravaBytes(CAMPO_COLETA_DADOS, coleta.left(lidos));
}

void TrocaZeroBinarioArroba(char* buffer, int, int tamanho) {
    if (!buffer) return;
    for (int i = 0; i < tamanho; ++i)
        if (buffer[i] == '\0') buffer[i] = '@';
}

// ---- The form ------------------------------------------------------------------------------
TFrmTrn_Mod* TFrmTrn_Mod::Cria() { return TFrmMod::CriaForm<TFrmTrn_Mod>(); }

TFrmTrn_Mod::TFrmTrn_Mod(QWidget* parent) : TFrmMod(parent) {
    setObjectName(QStringLiteral("FrmTrn_Mod"));
    lbTitulo->setText(QString::fromUtf8("FORMULÁRIO PADRÃO PARA CAPTURA DE DADOS"));
    Controles(this)
        .Painel(pnCaptura, "pnCaptura", this, {24, 106, 580, 210}, Ctl::Rebaixado | Ctl::Cinza)
        .Rotulo(lbValor, "lbValor", pnCaptura, {30, 36, 70, 16}, "Valor:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edValor, "edValor", pnCaptura, {104, 32, 101, 24}, {.max = 12, .foco = 26, .valor = true})
        .Painel(pnlMsgOper, "pnlMsgOper", pnCaptura, {0, 0, 500, 110}, Ctl::Elevado | Ctl::Oculto)
        .Rotulo(lbMsg, "lbMsg", pnlMsgOper, {8, 8, 484, 94},
                "O CLIENTE PODE ESCOLHER PAGAR NA MOEDA DE SEU PAÍS E O ESTABELECIMENTO RECEBERÁ O VALOR EM REAIS",
                Ctl::Centro | Ctl::Quebra | Ctl::Destaque)
        .Painel(pnBotoes, "pnBotoes", this, {111, 330, 400, 40}, Ctl::Cinza)
        .Botao(btConfirma, "btConfirma", pnBotoes, {31, 5, 121, 30}, "&1 - Confirma",
               {.foco = 46, .estilo = Ctl::Oculto})
        .Botao(btRetorna, "btRetorna", pnBotoes, {248, 5, 121, 30}, "&9 - Cancela", {.foco = 48})
        .Temporizador(TClique, "TClique", 1);
    Liga(btConfirma, &QPushButton::clicked, [this] { Confirma(); });
    Liga(btRetorna, &QPushButton::clicked, [this] { btRetornaClick(); });
    Liga(TClique, &QTimer::timeout, [this] { TCliqueTimer(); });
}

TFrmTrn_Mod::~TFrmTrn_Mod() = default;

void TFrmTrn_Mod::LigaEditValor(QLineEdit* ed) {
    if (!ed || editsValor_.contains(ed)) return;
    editsValor_ << ed;
    ed->installEventFilter(this);
    Liga(ed, &QLineEdit::textChanged, [this, ed] { edValorChange(ed); });
}

bool TFrmTrn_Mod::FiltraEvento(QObject* obj, QEvent* ev) {
    if (ev->type() == QEvent::KeyPress && !repassandoTecla_ && obj->isWidgetType() &&
        static_cast<QWidget*>(obj)->window() == this) {
        auto* k = static_cast<QKeyEvent*>(ev);
        char c = CaractereTecla(k);
        if (c != 0) {
            const char original = c;
            if (FormKeyPress(c)) return true;
            auto* ed = qobject_cast<QLineEdit*>(obj);
            if (ed && editsValor_.contains(ed) && edValorKeyPress(ed, c)) return true;
            if (c != original) {
                // Deliver the rewritten key in place of the one typed.
                QKeyEvent novo(QEvent::KeyPress, k->key(), k->modifiers(), QString(QChar(uchar(c))));
                repassandoTecla_ = true;
                QCoreApplication::sendEvent(obj, &novo);
                repassandoTecla_ = false;
                return true;
            }
        }
    }
    return TFrmMod::FiltraEvento(obj, ev);
}

void TFrmTrn_Mod::FormCreate() {
    TFrmMod::FormCreate();
    btConfirma->setVisible(true);
    btRetorna->setVisible(true);
}

void TFrmTrn_Mod::FormShow() {
    bControlaKeyPreview = true;
    resultadoPendente_ = 0;
    // Key preview: the form sees the keys of every control first.
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
    IniciaCamposForm();
    TFrmMod::FormShow();
}

void TFrmTrn_Mod::FormActivate() {
    TFrmMod::FormActivate();
    // A form whose amount came from the host lands on the confirm button
    // and confirms by itself.
    if (focusWidget() == btConfirma && btConfirma->isEnabled()) TClique->start();
}

void TFrmTrn_Mod::TCliqueTimer() {
    TClique->stop();
    Plataforma::ProcessMessages();
    if (btConfirma->isEnabled() && !Encerrado()) Confirma();
}

void TFrmTrn_Mod::Confirma() {
    AcaoExclusiva([this] { btConfirmaClick(); });
}

bool TFrmTrn_Mod::FormKeyPress(char& tecla) {
    bool engolida = false;
    if (bControlaKeyPreview) {
        tecla = ValKeyBoard(tecla);
        if (tecla == 0) {
            engolida = true;
        } else if (tecla == 13 && !qobject_cast<QPushButton*>(focusWidget())) {
            focusNextChild();
            engolida = true;
        }
    }
    bControlaKeyPreview = true;
    return engolida;
}

bool TFrmTrn_Mod::edValorKeyPress(QLineEdit* sender, char& tecla) {
    tecla = ValKeyBoard(tecla);
    const bool digito = tecla >= '0' && tecla <= '9';
    if (!(tecla == 8 || tecla == 13 || tecla == ',' || tecla == '.' || digito)) return true;
    if (tecla == ',' || tecla == '.') {
        const QChar sep = SeparadorDecimal();
        tecla = char(sep.toLatin1());
        if (sender && sender->text().contains(sep)) return true;
    }
    return false;
}

void TFrmTrn_Mod::edValorChange(QLineEdit* sender) {
    if (!sender || formatando_ || sender->text().isEmpty()) return;
    const QString formatado = Dollar(RemoveFormato(sender->text()));
    formatando_ = true;
    if (formatado != sender->text()) sender->setText(formatado);
    sender->setCursorPosition(int(sender->text().size()));
    formatando_ = false;
}

void TFrmTrn_Mod::IniciaCamposForm() {
    pnlMsgOper->hide();
    pnlMsgOper->move(pnCaptura->x() + (pnCaptura->width() - pnlMsgOper->width()) / 2,
                     pnCaptura->y() + (pnCaptura->height() - pnlMsgOper->height()) / 2);
    lbMsg->clear();
    HabilitaControles(true);
    lbValor->setText(Mensagem(546));
    btConfirma->setText(Mensagem(553));
    btRetorna->setText(Mensagem(554));
    bPermiteAlterarDados = PermiteAlterarDados();
    const QString valor = Le(CAMPO_VALOR_TRANSACAO);
    if (!valor.isEmpty()) edValor->setText(Dollar(RemoveFormato(valor)));
    // An amount given by the host cannot be changed.
    edValor->setEnabled(edValor->text().trimmed().isEmpty());
    // A due technical write-off goes before the transaction.
    VerificaMontaDadosRealizaBaixaTecnica(true, lbMensagem);
    Limpa(CAMPO_VALOR_SAQUE);
}

bool TFrmTrn_Mod::ValidaCamposForm() {
    if (edValor->isHidden()) return true;
    if (edValor->text().isEmpty()) {
        CaixaMensagem(Mensagem(26), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    } else {
        double valor = 0;
        if (ConverteValor(edValor->text(), valor) && valor > 0) return true;
        CaixaMensagem(Mensagem(790), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    }
    pnCaptura->setEnabled(true);
    edValor->setEnabled(true);
    edValor->clear();
    edValor->setFocus();
    return false;
}

bool TFrmTrn_Mod::VerificaCapturaDadosAdicionais() {
    return CapturaAdicionais::VerificaCapturaDadosAdicionais([this](int r) { Encerra(r); });
}

Conversaomoedakora::TFormConversao TFrmTrn_Mod::FormConversao() {
    Conversaomoedakora::TFormConversao f;
    f.lbMensagem = lbMensagem;
    f.executaConsulta = [this] { return ExecutaConsultaConversaoMoeda(); };
    f.obtemDadosEmv = [this] { return PassoObtemDadosEmv(); };
    f.gravaTrilhas = [](int codigo) { return int(GravaTrilhas(codigo)); };
    f.fecha = [this](int r) { Encerra(r); };
    return f;
}

bool TFrmTrn_Mod::VerificaConverteMoeda() { return Conversaomoedakora::VerificaConverteMoeda(FormConversao()); }

int TFrmTrn_Mod::ExecutaConsultaConversaoMoeda() {
    return Conversaomoedakora::ExecutaConsultaConversaoMoeda(FormConversao());
}

bool TFrmTrn_Mod::VerificaAutorizaTransacao() { return AutorizaTransacao(pTransacao, lbMensagem, 1) == 0; }

void TFrmTrn_Mod::VerificaGravaCamposTrnAprovada() {}

bool TFrmTrn_Mod::GravaCamposPontal() {
    if (!Grava(CAMPO_VALOR_TRANSACAO, RemoveFormato(edValor->text()))) return false;
    if (GravaTrilhas(240) != 0) return false;
    QString chip = Le(CAMPO_RESPOSTA_CHIP).left(2);
    if (chip.isEmpty()) chip = QStringLiteral("00");
    if (chip == QLatin1String("00")) {
        if (!Grava(CAMPO_CODIGO_REQUISICAO, QStringLiteral("42"))) return false;
    } else if (chip == QLatin1String("Y1")) {
        if (!Grava(CAMPO_CODIGO_REQUISICAO, QStringLiteral("44"))) return false;
    } else if (chip == QLatin1String("Y3")) {
        if (!Grava(CAMPO_CODIGO_REQUISICAO, QStringLiteral("45"))) return false;
    } else if (chip == QLatin1String("Z1")) {
        // Some product kinds send their offline declines under their own code.
        const QByteArray tipo = Produto.texto(OffProduto::TIPO, 2);
        if (tipo != "04" && tipo != "05" && tipo != "33") {
            if (!Grava(CAMPO_CODIGO_REQUISICAO, QStringLiteral("46"))) return false;
            if (!Grava(CAMPO_MODO_ENTRADA_46, QStringLiteral("1"))) return false;
        }
    }
    QString seguranca = Le(CAMPO_CODIGO_SEGURANCA).trimmed();
    if (!seguranca.isEmpty()) {
        if (seguranca.startsWith(QLatin1String("CSEG:"))) seguranca = seguranca.mid(5);
        if (!Grava(CAMPO_CODIGO_SEGURANCA, seguranca)) return false;
    }
    const QString dados16 = Le(CAMPO_DADOS_CARTAO_16).trimmed();
    if (!dados16.isEmpty() && !Grava(CAMPO_DADOS_CARTAO_16, dados16.left(16))) return false;
    VerificaGravaCampoTratamentoEspecialPagamentoCarne();
    return true;
}

bool TFrmTrn_Mod::VerificaCapturaSenha() {
    if (Produto.em(OffProduto::ATRIBUTO_10215) == '1' && !SetaCapturaSenha()) return false;
    return TFrmMod::VerificaCapturaSenha();
}

bool TFrmTrn_Mod::VerificaConfirmacaoValorPinpad() {
    static const QStringList codigosTransacao{QStringLiteral("00"), QStringLiteral("03"), QStringLiteral("04"),
                                              QStringLiteral("99"), QStringLiteral("05"), QStringLiteral("06")};
    const QString codTrn = Le(CAMPO_CODIGO_TRANSACAO_RESPOSTA).trimmed();
    const QString dados16 = Le(CAMPO_DADOS_CARTAO_16).trimmed();
    int lidos = 0;
    const QByteArray coleta = LeColetaDados(lidos);
    const QString saque = Le(CAMPO_VALOR_SAQUE).trimmed();
    const bool semSenha = coleta[PONTAL_MODO_COLETA_DADOS_SENHA - 1] == '0';
    if (!(codigosTransacao.contains(codTrn) && dados16.isEmpty() && semSenha && !saque.isEmpty())) return true;

    lbMensagem->setText(Mensagem(1065));
    const QString total = Dollar(SomaValores(true));
    const QString texto = total.size() <= 10
                              ? Mensagem(1066) + QLatin1Char(' ') + CompletaBrancosAEsquerda(total, 10) + Mensagem(1067)
                              : CompletaBrancosAEsquerda(total, 16) + Mensagem(1067);
    for (;;) {
        const int r = ObtemConfirmacao(texto, 0);
        if (r == 0) return true;
        if (r == 9) {
            ExibeMsgPinpad(Mensagem(1068));
            const int resposta = CaixaMensagem(Mensagem(1069), Plataforma::MB_YESNO, Plataforma::Icone::Pergunta);
            ExibeMsgPinpad(QString());
            if (resposta != Plataforma::IDYES) continue;
            GravaDesfecho(QStringLiteral("255"), Mensagem(801));
        } else {
            const QString falha = FormataMensagem(Mensagem(302), r);
            CaixaMensagem(falha, Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
            GravaDesfecho(QStringLiteral("255"), falha);
        }
        PontalGravaArquivo();
        Encerra(mrOk);
        return false;
    }
}

bool TFrmTrn_Mod::PassoProcessaCartao() { return VerificaProcessaCartao(); }
bool TFrmTrn_Mod::PassoObtemDadosEmv() { return VerificaObtemDadosEmv(); }
bool TFrmTrn_Mod::PassoFormataDadosCartaoPinpad() { return FormataDadosCartaoPinpad(); }

void TFrmTrn_Mod::Encerra(int resultado) {
    resultadoPendente_ = resultado;
    FechaForm(resultado);
}

bool TFrmTrn_Mod::Encerrado() const { return resultadoPendente_ != 0 || result() != 0; }

void TFrmTrn_Mod::HabilitaControles(bool habilita) {
    btConfirma->setEnabled(habilita);
    btRetorna->setEnabled(habilita);
    pnCaptura->setEnabled(habilita);
}

void TFrmTrn_Mod::btRetornaClick() { Encerra(mrCancel); }

void TFrmTrn_Mod::btConfirmaClick() {
    bControlaKeyPreview = false;
    HabilitaControles(false);
    lbMensagem->setText(Mensagem(43));
    Plataforma::ProcessMessages();

    // The order is fixed: descendants change steps, never the sequence.
    const bool seguir = ValidaCamposForm() && GravaCamposPontal() && VerificaCapturaDadosAdicionais() &&
                        VerificaConverteMoeda() && PassoProcessaCartao() && VerificaCapturaSenha() &&
                        PassoObtemDadosEmv() && GravaCamposPontal() && PassoFormataDadosCartaoPinpad() &&
                        VerificaConfirmacaoValorPinpad();
    if (seguir) {
        EtapaAutorizacao();
        return;
    }
    if (Le(CAMPO_FECHA_FALHA_CAPTURA) == QLatin1String("1")) {
        Encerra(mrOk);
        return;
    }
    HabilitaControles(true);
}

void TFrmTrn_Mod::EtapaAutorizacao() {
    const bool lidoChip = Le(CAMPO_LIDO_CHIP) == QLatin1String("1");
    ExibeMsgPinpad(Mensagem(1091));
    const bool forcaOnline = Le(CAMPO_OFFLINE_VAI_ONLINE) == QLatin1String("1");
    QString codChip = Le(CAMPO_RESPOSTA_CHIP);
    const bool declinioOffline = codChip == QLatin1String("Z1") && !forcaOnline;
    const bool adviceOffline = EhCartaoEMV() && Produto.em(OffProduto::PERMITE_ADVICE) == '1';

    QString mensagem, codResp;
    if (!declinioOffline || adviceOffline) {
        bool segundaTentativa = false;
        for (;;) {
            AutorizaTransacao(pTransacao, lbMensagem, 0);
            mensagem = Le(CAMPO_TEXTO_OPERADOR).trimmed();
            codResp = QString::fromLatin1(LeBytes(CAMPO_CABECALHO_RESPOSTA, 85).left(2));
            // One more try in the customer's currency after a decline.
            const QString codTrn = Le(CAMPO_CODIGO_TRANSACAO_RESPOSTA).trimmed();
            if (codResp != QLatin1String("00") && (codTrn == QLatin1String("00") || codTrn == QLatin1String("99")) &&
                !segundaTentativa) {
                segundaTentativa = true;
                if (TrataRespostaServicoQ096(3) == 0) {
                    const int resposta = ObtemConfirmacaoMoedaCliente();
                    if (resposta == 0 || resposta == 9) {
                        if (AtualizaDadosTrxMoedaSelecionada(resposta, 0) == 0) continue;
                    } else {
                        mensagem.clear();
                    }
                }
            }
            break;
        }
        if (codResp == QLatin1String("V9")) {
            const QByteArray valorV9 = LeBytes(CAMPO_VALOR_V9, 23);
            const QString textoPinpad =
                (Mensagem(2595) + Dollar(QString::fromLatin1(valorV9.left(12))).trimmed()).left(32);
            if (!valorV9.isEmpty()) {
                lbMensagem->setText(mensagem);
                ExibeMsgPinpad(textoPinpad);
                CaixaMensagem(Mensagem(1469), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
            }
        }
    }

    if (!lidoChip) {
        if (!mensagem.isEmpty()) lbMensagem->setText(mensagem);
        ExibeMsgPinpad(Mensagem(codResp == QLatin1String("00") ? 2596 : 2597));
    } else if (declinioOffline) {
        GravaDesfecho(QStringLiteral("FF"), Mensagem(1063));
        QString texto = Mensagem(1063);
        if (EhCartaoChipComContato()) texto += QLatin1Char(' ') + Mensagem(944);
        lbMensagem->setText(texto);
        RemoveCartao(Mensagem(1092));
    } else {
        auto textoOperador = [&] {
            if (EhCartaoChipComContato())
                mensagem = mensagem.isEmpty() ? Mensagem(944) : mensagem + QStringLiteral(" - ") + Mensagem(944);
            if (!mensagem.isEmpty()) lbMensagem->setText(mensagem);
        };
        const int r = FinalizaProcessoKora(lbMensagem);
        if (r == 0) {
            int codigo = LeNumero(CAMPO_CODIGO_RESPOSTA);
            // The card took the answer but the host gave none: approved
            // offline, sent again as such.
            if (codigo != 0 && Grava(CAMPO_RESPOSTA_CHIP, QStringLiteral("Y3"))) codChip = QStringLiteral("Y3");
            if (codChip == QLatin1String("Y3") && VerificaObtemDadosEmv() && GravaCamposPontal()) {
                if (codigo != 0) {
                    const QString seguranca = Le(CAMPO_TEXTO_SEGURANCA_RESPOSTA).trimmed();
                    if (!seguranca.isEmpty() && !Grava(CAMPO_TEXTO_SEGURANCA, seguranca))
                        Audita(QStringLiteral("Kora41 - texto de seguranca nao gravado"));
                } else {
                    Limpa(CAMPO_TEXTO_SEGURANCA);
                }
                ExibeMsgPinpad(Mensagem(1091));
                AutorizaTransacao(pTransacao, lbMensagem, 0);
                mensagem = Le(CAMPO_TEXTO_OPERADOR).trimmed();
                codigo = LeNumero(CAMPO_CODIGO_RESPOSTA);
            }
            textoOperador();
            RemoveCartao(Mensagem(codigo == 0 ? 1632 : 1092));
        } else {
            codResp = QString::fromLatin1(LeBytes(CAMPO_CABECALHO_RESPOSTA, 85).left(2));
            const bool recusaCartao = r == 6 || r == 7 || r == 11 || r == 100;
            if (recusaCartao || Le(CAMPO_RESPOSTA_CHIP) == QLatin1String("Z3")) {
                if (recusaCartao) {
                    mensagem = codResp != QLatin1String("00") ? Le(CAMPO_TEXTO_RESULTADO) : Mensagem(1063);
                    if (r == 100) mensagem = Mensagem(1394);
                }
                PontalEnviarFinalizacaoEx(0);
                if (recusaCartao) {
                    if (codResp != QLatin1String("00")) {
                        if (!Grava(CAMPO_TEXTO_RESULTADO, mensagem))
                            Audita(QStringLiteral("Kora41 - texto do resultado nao gravado"));
                    } else if (r == 100) {
                        GravaDesfecho(QStringLiteral("FF"), Mensagem(1394));
                        ExibeMsgPinpad(Mensagem(1068));
                        Espera(2000);
                    } else {
                        GravaDesfecho(QStringLiteral("FF"), Mensagem(1063));
                    }
                }
            }
            textoOperador();
            RemoveCartao(Mensagem(1092));
        }
    }

    if (LeNumero(CAMPO_CODIGO_RESPOSTA) == 0) {
        if (!Le(CAMPO_LINHAS_RETORNO).isEmpty()) TFrmRetorno_Opr::Mostra(lbTitulo->text());
        VerificaMontaCampos300(1);
        if (lidoChip) VerificaObtemNomePortadorCartao();
        VerificaTrataValorMenorDesconto();
        VerificaGravaCamposTrnAprovada();
    }

    Audita(FormataMensagem(QStringLiteral("Kora41 - TrnModeloKora.btConfirmaClick - CodRespCHIP : %s"), codChip));
    if (codChip == QLatin1String("Y1")) {
        CopiaAuditOffLine();
        CopiaLogBibliPinpadOffLine();
    }
    PontalGravaArquivo();
    Limpa(CAMPO_RESULTADO_TRANSACAO);
    Plataforma::ProcessMessages();
    Encerra(mrOk);
}
