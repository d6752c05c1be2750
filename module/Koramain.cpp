#include "Koramain.h"

#include "Camposkora.h"
#include "Despachokora.h"
#include "transaction/Descritoreskora.h"
#include "Menuoutrosconsulta.h"
#include "Ligacaohost.h"
#include "ciraz.h"
#include "lentar.h"
#include "platform.h"
#include "pontal.h"

#include <cstring>
#include <optional>

QString VERSAO_DO_MODULO;
char TITULO_APLICACAO[129] = {};

namespace {
int g_cargas = 0;
const char kNomeModulo[] = "Kora41.bpl";

// Kept in the image so that the host's tools can identify the module file.
extern "C" __attribute__((used, visibility("default"))) const char KORA_IDENTIFICACAO[] =
    "\x02<vinfo><id>Kora41</id><name>Modulo Tulen</name><ver>7.0.5.11</ver><distr>Producao</distr>"
    "<plat>Win32</plat><shuf>0</shuf><swseg>0</swseg><id2>Modular</id2></vinfo>\x03";

void _DefineAreaTemporaria_XAP2() {
    volatile char c = KORA_IDENTIFICACAO[0];
    (void)c;
}

void Inicializacao() {
    VERSAO_DO_MODULO = GetBuildInfo(QString::fromLatin1(kNomeModulo));
    Plataforma::GravaIni(QStringLiteral("Modulo.ini"), QStringLiteral("0125"), QStringLiteral("VERSAO"),
                         VERSAO_DO_MODULO);
    GravaCampoString(CAMPO_VERSAO_MODULO, 0, RemoveFormato(VERSAO_DO_MODULO));
    _DefineAreaTemporaria_XAP2();
}

void Finalizacao() {
    PontalLimpaCampo(CAMPO_VERSAO_MODULO);
    VERSAO_DO_MODULO.clear();
    ServicoE.limpa();
    ServicoL.limpa();
}

// The application's window handle belongs to the host for the length of a request.
class GuardaHandle {
public:
    explicit GuardaHandle(uint32_t handle) : anterior_(Plataforma::HandleAplicacao()) {
        Plataforma::DefineHandleAplicacao(handle);
    }
    ~GuardaHandle() { Plataforma::DefineHandleAplicacao(anterior_); }
    GuardaHandle(const GuardaHandle&) = delete;
    GuardaHandle& operator=(const GuardaHandle&) = delete;

private:
    uintptr_t anterior_;
};

// Nothing may escape to the host: a failure inside a request just ends it.
template <class F> void Protegido(F&& f) {
    try {
        f();
    } catch (...) {
    }
}

QString Campo(int campo) {
    QString t;
    LeCampo(t, campo, 0);
    return t;
}

int CampoInteiro(int campo, int padrao) {
    bool ok = false;
    const int v = Campo(campo).trimmed().toInt(&ok);
    return ok ? v : padrao;
}

// The reply's question flow; non-zero when it completed the request.
int RealizaPerguntas() {
    const QString titulo = QString::fromLatin1(TITULO_APLICACAO);
    QString buffer = titulo;
    const int r = KORA_HOST(0, RealizaPerguntasCamposLPergEx, titulo, 0, buffer);
    const QByteArray novo = buffer.toLatin1();
    std::memset(TITULO_APLICACAO, 0, sizeof TITULO_APLICACAO);
    std::memcpy(TITULO_APLICACAO, novo.constData(), std::min<size_t>(size_t(novo.size()), sizeof TITULO_APLICACAO - 1));
    return r;
}

bool ProdutoFlags(int a, int b, int c) {
    return Produto.em(a) == '1' && Produto.em(b) == '0' && Produto.em(c) == '0';
}

// Credit sale or capture of a pre-authorization of a credit product.
void EscolheCredito() {
    const int plano = CampoInteiro(CAMPO_QTD_PARCELAS, -1);
    if (ProdutoFlags(OffProduto::AVISTA, OffProduto::CREDITO_ADM, OffProduto::CREDITO_LOJISTA) || plano == 0 ||
        plano == 1) {
        ExecutaFormEntrada(FormEntrada::Vis_Crd);
        return;
    }
    switch (CampoInteiro(CAMPO_TIPO_FINANCIAMENTO, -1)) {
    case 0: ExecutaFormEntrada(FormEntrada::Est_CrdPar); break;
    case 1: ExecutaFormEntrada(FormEntrada::Cpr_AdmCrdPar); break;
    default: ExecutaFormEntrada(FormEntrada::Cred_Mnu); break;
    }
}

// Field 10107 as 0 (credit), 1 (debit), or -1 for anything else; nullopt when empty.
std::optional<int> TipoVenda10107() {
    const QString t = Campo(CAMPO_TIPO_VENDA).trimmed();
    if (t.isEmpty()) return std::nullopt;
    bool ok = false;
    const int v = t.toInt(&ok);
    return ok && (v == 0 || v == 1) ? v : -1;
}

void VendaDebito() {
    const int tipo = Produto.tipo();
    if (tipo == 32) {
        if (KORA_HOST(false, CartaoProcessaChip) && VerificaVersaoAplicacaoTulen()) {
            PontalLimpaCampo(CAMPO_CODIGO_PRODUTO);
            if (!CapturaDadosCartaoAuto()) {
                PontalGravaArquivo();
                return;
            }
            if (RealizaPerguntas() != 0) {
                PontalGravaArquivo();
                return;
            }
        }
        ExecutaFormEntrada(FormEntrada::Auto);
    } else if (Produto.em(OffProduto::TAXA_SERVICO) == '1' || Produto.em(OffProduto::TAXA_EMBARQUE) == '1') {
        ExecutaFormEntrada(FormEntrada::Coleta_Taxas);
    } else if (tipo == 4) {
        ExecutaFormEntrada(FormEntrada::Con_ParAdm);
    } else if (ProdutoFlags(OffProduto::AVISTA, OffProduto::DEBITO_CDC, OffProduto::DEBITO_PREDATADO)) {
        ExecutaFormEntrada(FormEntrada::Vis_Deb);
    } else {
        ExecutaFormEntrada(FormEntrada::Deb_Mnu);
    }
}

void Venda(uint32_t handle, int32_t modo) {
    ProcuraMontaListaProdutoSelecionado();
    GuardaHandle guarda(handle);
    Plataforma::GaranteAplicacao();
    if (modo == 82) {
        if (KORA_HOST(false, VerificaServico5, QStringLiteral("FLUXOPERG:"), 0) && RealizaPerguntas() != 0) {
            PontalGravaArquivo();
            return;
        }
        ExecutaFormEntrada(FormEntrada::VendaQRCode);
        return;
    }
    const std::optional<int> tipo = TipoVenda10107();
    if (!tipo || *tipo < 0) {
        RecusaRequisicao(327);
        return;
    }
    if (*tipo == 0) {
        // A credit sale of a product of another kind ends without a word.
        if (Produto.tipo() == 1) EscolheCredito();
        return;
    }
    VendaDebito();
}

void FuncaoADM(uint32_t handle, int32_t funcao) {
    if (funcao == 0) {
        RecusaRequisicao(2643);
        return;
    }
    if (funcao == 2) {
        ServicoE.limpa();
        ServicoL.limpa();
    } else {
        ProcuraMontaListaProdutoSelecionado();
    }
    GuardaHandle guarda(handle);
    Plataforma::GaranteAplicacao();
    if (funcao == 2) {
        ExecutaFormEntrada(FormEntrada::Reimpressao_Trn);
        return;
    }
    if (funcao == 82) {
        if (RealizaPerguntas() != 0) {
            PontalGravaArquivo();
            return;
        }
        if (CampoInteiro(CAMPO_TIPO_TRANSACAO_ESPECIAL, 0) == 4)
            ExecutaFormEntrada(FormEntrada::CancVendaQRCode);
        else
            RecusaRequisicao(993);
        return;
    }
    const std::optional<int> tipo = TipoVenda10107();
    if (!tipo || *tipo < 0) {
        RecusaRequisicao(327);
        return;
    }
    if (funcao != 1) {
        RecusaRequisicao(2643);
        return;
    }
    if (*tipo == 0)
        ExecutaFormEntrada(FormEntrada::Crd_Cnc);
    else
        ExecutaFormEntrada(FormEntrada::Deb_Cnc);
}

void PreAutorizacao(uint32_t handle) {
    ProcuraMontaListaProdutoSelecionado();
    GuardaHandle guarda(handle);
    Plataforma::GaranteAplicacao();
    if (Campo(CAMPO_TIPO_VENDA).trimmed().isEmpty()) {
        RecusaRequisicao(327);
        return;
    }
    if (!KORA_HOST(true, TransacoesHabilitadasIntPos, INTPOS_TRANSACAO_HABILITADA_CAPTURA_PRE) ||
        KORA_HOST(true, TransacoesHabilitadasIntPos, INTPOS_TRANSACAO_HABILITADA_PRE_AUTORIZACAO)) {
        ExecutaFormEntrada(FormEntrada::Pre_Pre);
        return;
    }
    if (Produto.tipo() == 1) {
        EscolheCredito();
        return;
    }
    EnviaArquivoErroPDV(255, FormataMensagem(QStringLiteral("%s (%s)"), Mensagem(2679),
                                             Produto.texto(OffProduto::TIPO, 2)));
}

void Generico(uint32_t handle, int32_t funcao) {
    GuardaHandle guarda(handle);
    Plataforma::GaranteAplicacao();
    if (funcao == 0) {
        TrataServicoO(true);
        if (!VerificaGravaProduto(QStringLiteral("15"))) {
            RecusaRequisicao(2643);
            return;
        }
        ExecutaFormEntrada(FormEntrada::PagtoConta_Trn);
    } else if (funcao == 9) {
        const int r = TrataServicoO(true);
        QtdProdutos = uint16_t(r == 0 ? ServicoO.quantidade() : 0);
        if (QtdProdutos == 0) {
            RecusaRequisicao(2643);
            PontalGravaArquivo();
            return;
        }
        ExecutaFormEntrada(FormEntrada::Outros_Mnu);
    }
}

void ConsultaMenuOutros(uint32_t handle, QLabel* mensagem) {
    GuardaHandle guarda(handle);
    unsigned char kept[64];
    int32_t tam = sizeof kept;
    const bool existia = PontalLeCampo(CAMPO_CODIGO_REQUISICAO, 0, &tam, kept) == 0;
    GravaCampoString(CAMPO_CODIGO_REQUISICAO, 0, QStringLiteral("49"));
    KORA_HOST(-1, AutorizaTransacao, &TrnConsultaMenuOutros, mensagem, 0);
    if (existia)
        PontalGravaCampo(CAMPO_CODIGO_REQUISICAO, 0, kept, tam);
    else
        PontalLimpaCampo(CAMPO_CODIGO_REQUISICAO);
    if (ResultadoConsultaMenuOutros() == 0) {
        GravaCampoString(CAMPO_ESTADO_MENU_OUTROS, 0, QStringLiteral("0"));
        ProcuraMontaListaProdutoSelecionado();
    } else {
        GravaCampoString(CAMPO_ESTADO_MENU_OUTROS, 0, QStringLiteral("1"));
    }
}
} // namespace

int CargasModulo() { return g_cargas; }

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

void ExecutaFormModal(QDialog* pai, QDialog* form) {
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
}

void ReportaFormNaoCriado(const char* nomeForm) {
    Plataforma::GaranteAplicacao();
    Plataforma::MessageBox(FormataMensagem(Mensagem(802), nomeForm), QString::fromLatin1(TITULO_APLICACAO),
                           Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
}

// ---- Checks before a form ---------------------------------------------------------

QString Apara(const QString& texto) {
    qsizetype i = 0, f = texto.size();
    while (i < f && texto.at(i).unicode() <= 0x20) ++i;
    while (f > i && texto.at(f - 1).unicode() <= 0x20) --f;
    return texto.mid(i, f - i);
}

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
    if (KORA_HOST(-1, MontaDadosPinpad, 125, dados) != 0) return false;
    const QString fabricante = Apara(QString::fromLatin1(dados.left(20))).toUpper();
    const QString versao = Apara(QString::fromLatin1(dados.mid(33, 6)));

    const bool estendida = (fabricante == QLatin1String("GERTEC") && versao >= QLatin1String("107B03")) ||
                           versao >= QLatin1String("108A01");
    if (estendida) {
        QByteArray saida(1025, '\0');
        if (KORA_HOST(-1, ObtemDadosPinpadAutoCapturaEstendidaTagDF70, QStringLiteral("02DF70"), saida) != 0) return false;
        QByteArray valor;
        if (!DecodificaDF70(saida.left(1025), valor)) return false;
        if (!valor.isEmpty()) {
            const QByteArray campo = "52:" + valor;
            if (PontalGravaCampo(CAMPO_AUTO_CAPTURA_ESTENDIDA, 0, reinterpret_cast<const unsigned char*>(campo.constData()),
                                 int32_t(campo.size())) != 0)
                return false;
        }
    }
    Audita(QStringLiteral("Saiu : VerificaVersaoAplicacaoTulen"));
    return true;
}

bool CapturaDadosCartaoAuto() {
    QString autorizador, segundo;
    if (!KORA_HOST(false, FazConsultaBins, 0, 0, 0, 0, 0, autorizador, segundo, 0, nullptr)) {
        if (Campo(CAMPO_TIPO_OPERACAO_CARTAO) != QLatin1String("2")) KORA_HOST(0, RemoveCartao, Mensagem(1092));
        PontalGravaArquivo();
        return false;
    }
    auto outroAdquirente = [] {
        GravaCampoString(CAMPO_CODIGO_RESPOSTA, 0, QStringLiteral("FF"));
        GravaCampoString(CAMPO_TEXTO_RESULTADO, 0, Mensagem(317));
        PontalGravaArquivo();
        return false;
    };
    if (autorizador != QLatin1String("0125")) return outroAdquirente();
    if (!ProcuraMontaListaProdutoSelecionado()) return outroAdquirente();

    QString cseg = Campo(CAMPO_CODIGO_SEGURANCA).trimmed();
    if (!cseg.isEmpty()) {
        if (cseg.startsWith(QLatin1String("CSEG:"))) cseg = cseg.mid(5);
        if (GravaCampoString(CAMPO_CODIGO_SEGURANCA, 0, cseg) != 0) return false;
    }
    return true;
}

bool bCancelamentoDCCHabilitado() {
    Audita(QString::fromStdString(fmt::sprintf("Modulo %s : Entrou bCancelamentoDCCHabilitado", kNomeModulo)));
    const bool r = !Campo(CAMPO_VENDA_COM_DCC).isEmpty();
    Audita(QString::fromStdString(
        fmt::sprintf("Modulo %s : Saiu bCancelamentoDCCHabilitado - Retorno: %s", kNomeModulo, r ? "Sim" : "Nao")));
    return r;
}

// ---- Exports -----------------------------------------------------------------------

KORA_EXPORT void Initialize() {
    Protegido([] {
        if (g_cargas++ == 0) Inicializacao();
    });
}

KORA_EXPORT void Finalize() {
    Protegido([] {
        if (g_cargas > 0 && --g_cargas == 0) Finalizacao();
    });
}

KORA_EXPORT void ObtemVersao(char* versaoInterface, char* versaoModulo) {
    Protegido([&] {
        if (versaoInterface) std::strcpy(versaoInterface, "1.0.0.0");
        if (versaoModulo) {
            const QByteArray v = VERSAO_DO_MODULO.toLatin1();
            std::memcpy(versaoModulo, v.constData(), size_t(v.size()) + 1);
        }
    });
}

KORA_EXPORT void ExecutaVenda(uint32_t Handle, int32_t Modo) {
    Protegido([&] { Venda(Handle, Modo); });
}

KORA_EXPORT void ExecutaFuncaoADM(uint32_t Handle, int32_t Funcao) {
    Protegido([&] { FuncaoADM(Handle, Funcao); });
}

KORA_EXPORT void ExecutaPreAutorizacao(uint32_t Handle, int32_t) {
    Protegido([&] { PreAutorizacao(Handle); });
}

KORA_EXPORT void ExecutaGenerico(uint32_t Handle, int32_t Funcao) {
    Protegido([&] { Generico(Handle, Funcao); });
}

// Cheque queries are not offered by this acquirer; the handle stays untouched.
KORA_EXPORT void ExecutaConsultaCheque(uint32_t, int32_t) {
    Protegido([] { RecusaRequisicao(130); });
}

KORA_EXPORT void RealizaConsultaMenuOutros(uint32_t Handle, QLabel* Mensagem) {
    Protegido([&] { ConsultaMenuOutros(Handle, Mensagem); });
}
