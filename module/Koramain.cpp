#include "Koramain.h"

#include "Capturaautokora.h"
#include "Constanteskora.h"
#include "Servicoskora.h"
#include "Contextokora.h"
#include "framework/Galeriakora.h"

#include "Campos.h"
#include "bromo.h"
#include "Despachokora.h"
#include "transaction/Descritoreskora.h"
#include "Menuoutrosconsulta.h"
#include "ciraz.h"
#include "lentar.h"
#include "platform.h"
#include "pontal.h"

#include <cstring>
#include <optional>

namespace {
int g_cargas = 0;

// Kept in the image so that the host's tools can identify the module file.
extern "C" __attribute__((used, visibility("default"))) const char KORA_IDENTIFICACAO[] =
    "\x02<vinfo><id>Kora41</id><name>Modulo Tulen</name><ver>7.0.5.11</ver><distr>Producao</distr>"
    "<plat>Win32</plat><shuf>0</shuf><swseg>0</swseg><id2>Modular</id2></vinfo>\x03";

void _DefineAreaTemporaria_XAP2() {
    volatile char c = KORA_IDENTIFICACAO[0];
    (void)c;
}

void Inicializacao() {
    VERSAO_DO_MODULO = GetBuildInfo(QString::fromLatin1(NOME_MODULO));
    Plataforma::GravaIni(QStringLiteral("Modulo.ini"), QStringLiteral("0125"), QStringLiteral("VERSAO"),
                         VERSAO_DO_MODULO);
    if (!Campos::Grava(CAMPO_VERSAO_MODULO, RemoveFormato(VERSAO_DO_MODULO)))
        Audita(QStringLiteral("Kora41 - versao do modulo nao gravada"));
    _DefineAreaTemporaria_XAP2();
}

void Finalizacao() {
    Campos::Limpa(CAMPO_VERSAO_MODULO);
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

// Nothing may escape to the host. What a form's own boundary did not catch
// is written to the audit trail here and, for a request, refuses it.
enum class Entrada { Requisicao, Servico };
template <class F> void Protegido(F&& f, Entrada entrada = Entrada::Requisicao) {
    const char* oque = nullptr;
    try {
        f();
        return;
    } catch (const std::exception& e) {
        oque = e.what();
    } catch (...) {
        oque = "desconhecida";
    }
    try {
        Audita(FormataMensagem(QStringLiteral("Kora41 - excecao na entrada: [%s]"), oque));
        if (entrada == Entrada::Requisicao) RecusaRequisicao(801);
    } catch (...) {
        // The host must get control back whatever happens.
    }
}

// The reply's question flow; non-zero when it completed the request.
int RealizaPerguntas() {
    const QString titulo = QString::fromLatin1(TITULO_APLICACAO);
    QString buffer = titulo;
    const int r = RealizaPerguntasCamposLPergEx(titulo, 0, buffer);
    const QByteArray novo = buffer.toLatin1();
    std::memset(TITULO_APLICACAO, 0, sizeof TITULO_APLICACAO);
    std::memcpy(TITULO_APLICACAO, novo.constData(), std::min<size_t>(size_t(novo.size()), sizeof TITULO_APLICACAO - 1));
    return r;
}

bool ProdutoFlags(int a, int b, int c) { return Produto.em(a) == '1' && Produto.em(b) == '0' && Produto.em(c) == '0'; }

// Credit sale or capture of a pre-authorization of a credit product.
void EscolheCredito() {
    const int plano = Campos::LeNumero(CAMPO_QTD_PARCELAS);
    if (ProdutoFlags(OffProduto::AVISTA, OffProduto::CREDITO_ADM, OffProduto::CREDITO_LOJISTA) || plano == 0 ||
        plano == 1) {
        ExecutaFormEntrada(FormEntrada::Vis_Crd);
        return;
    }
    switch (Campos::LeNumero(CAMPO_TIPO_FINANCIAMENTO)) {
    case 0: ExecutaFormEntrada(FormEntrada::Est_CrdPar); break;
    case 1: ExecutaFormEntrada(FormEntrada::Cpr_AdmCrdPar); break;
    default: ExecutaFormEntrada(FormEntrada::Cred_Mnu); break;
    }
}

// Field 10107 as 0 (credit), 1 (debit), or -1 for anything else; nullopt when empty.
std::optional<int> TipoVenda10107() {
    const QString t = Campos::Le(CAMPO_TIPO_VENDA).trimmed();
    if (t.isEmpty()) return std::nullopt;
    bool ok = false;
    const int v = t.toInt(&ok);
    return ok && (v == 0 || v == 1) ? v : -1;
}

void VendaDebito() {
    const int tipo = Produto.tipo();
    if (tipo == 32) {
        if (CartaoProcessaChip() && VerificaVersaoAplicacaoTulen()) {
            Campos::Limpa(CAMPO_CODIGO_PRODUTO);
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
        if (VerificaServico5(QStringLiteral("FLUXOPERG:"), 0) && RealizaPerguntas() != 0) {
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
        if (Campos::LeNumero(CAMPO_TIPO_TRANSACAO_ESPECIAL, 0) == 4)
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
    if (Campos::Le(CAMPO_TIPO_VENDA).trimmed().isEmpty()) {
        RecusaRequisicao(327);
        return;
    }
    if (!TransacoesHabilitadasIntPos(INTPOS_TRANSACAO_HABILITADA_CAPTURA_PRE) ||
        TransacoesHabilitadasIntPos(INTPOS_TRANSACAO_HABILITADA_PRE_AUTORIZACAO)) {
        ExecutaFormEntrada(FormEntrada::Pre_Pre);
        return;
    }
    if (Produto.tipo() == 1) {
        EscolheCredito();
        return;
    }
    EnviaArquivoErroPDV(255,
                        FormataMensagem(QStringLiteral("%s (%s)"), Mensagem(2679), Produto.texto(OffProduto::TIPO, 2)));
}

// The O service for the other-transactions requests. A list marked as due is
// fetched first, and what came rebuilds Produto and the reply-service records.
int LeServicoOAtual() {
    if (MenuOutrosVencido() && RealizaConsultaMenuOutrosInterno()) ProcuraMontaListaProdutoSelecionado();
    return LeServicoO(ServicoO);
}

void Generico(uint32_t handle, int32_t funcao) {
    GuardaHandle guarda(handle);
    Plataforma::GaranteAplicacao();
    if (funcao == 0) {
        LeServicoOAtual();
        if (!VerificaGravaProduto(QStringLiteral("15"))) {
            RecusaRequisicao(2643);
            return;
        }
        ExecutaFormEntrada(FormEntrada::PagtoConta_Trn);
    } else if (funcao == 9) {
        const int r = LeServicoOAtual();
        QtdProdutos = uint16_t(r == 0 ? ServicoO.quantidade() : 0);
        if (QtdProdutos == 0) {
            RecusaRequisicao(2643);
            PontalGravaArquivo();
            return;
        }
        ExecutaFormEntrada(FormEntrada::Outros_Mnu);
    }
}

void ConsultaMenuOutrosHost(uint32_t handle, QLabel* mensagem) {
    GuardaHandle guarda(handle);
    if (ConsultaMenuOutros(mensagem)) ProcuraMontaListaProdutoSelecionado();
}
} // namespace

int CargasModulo() { return g_cargas; }

// ---- Exports -----------------------------------------------------------------------

KORA_EXPORT void Initialize() {
    Protegido(
        [] {
            if (g_cargas++ == 0) Inicializacao();
        },
        Entrada::Servico);
}

KORA_EXPORT void Finalize() {
    Protegido(
        [] {
            if (g_cargas > 0 && --g_cargas == 0) Finalizacao();
        },
        Entrada::Servico);
}

KORA_EXPORT void ObtemVersao(char* versaoInterface, char* versaoModulo) {
    Protegido(
        [&] {
            if (versaoInterface) std::strcpy(versaoInterface, "1.0.0.0");
            if (versaoModulo) {
                const QByteArray v = VERSAO_DO_MODULO.toLatin1();
                std::memcpy(versaoModulo, v.constData(), size_t(v.size()) + 1);
            }
        },
        Entrada::Servico);
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
    Protegido([&] { ConsultaMenuOutrosHost(Handle, Mensagem); });
}

// ---- Development entry points ---------------------------------------------------------

KORA_EXPORT int Kora41Galeria(const char* dir) {
    int r = -1;
    Protegido([&] { r = GeraGaleria(dir); }, Entrada::Servico);
    return r;
}

KORA_EXPORT int Kora41AbreForm(const char* nome) {
    int r = -1;
    Protegido([&] {
        Plataforma::GaranteAplicacao();
        ProcuraMontaListaProdutoSelecionado();
        r = AbreFormRegistrado(nome);
    });
    return r;
}
