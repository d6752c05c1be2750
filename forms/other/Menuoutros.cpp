#include "Menuoutros.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Menuoutrosconsulta.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "capture/Coletataxas.h"
#include "capture/Consavskora.h"
#include "ciraz.h"
#include "credit/Creditoconsultacrediariocrd.h"
#include "debit/Conscdckora.h"
#include "framework/Galeriakora.h"
#include "lentar.h"
#include "other/Atualizachip.h"
#include "other/Consultasaldo.h"
#include "other/Resgatepromocional.h"
#include "platform.h"
#include "pontal.h"
#include "preauth/Preautorizacaokora.h"

#include <QLabel>
#include <QPushButton>

TFrmOutros_Mnu* FrmOutros_Mnu = nullptr;

namespace {
// The chip tags the redemption asks of a chip card, as an R service.
constexpr char kServicoRResgate[] =
    "R1000020100000000000000000000000000000000100000000000000000000000038829F279F269F36959F"
    "349F379F335F289F109A000";

struct OpcaoOutros {
    const char* tipo;       // product kind of the O entries that enable it
    int tipoLista;          // kind passed to the product choice
    int mensagem;           // caption
    bool consultaBins;      // identifies the card's acquirer first
    const char* nomeForm;   // for message 802
    bool (*roda)(QDialog*); // runs the form with the menu as parent; false when none was made
};

template <class T> bool Roda(QDialog* menu, T*& var) { return CriaExecutaForm<T>(menu, var); }

bool RodaPre(QDialog* m) { return Roda(m, FrmPre_Pre); }
bool RodaAVS(QDialog* m) { return Roda(m, FrmAVS_Adc); }
// A product that collects fees takes them before the consultation.
bool RodaCDC(QDialog* m) {
    if (Produto.em(OffProduto::TAXA_SERVICO) == '1' || Produto.em(OffProduto::TAXA_EMBARQUE) == '1')
        return Roda(m, FrmColeta_Taxas);
    return Roda(m, FrmCon_ParAdm);
}
bool RodaCRD(QDialog* m) { return Roda(m, FrmCredConsulta_CrediarioCRD); }

// Option 3 is enabled by entries of kind "AC" but asks the product choice for kind 100.
const OpcaoOutros kOpcoes[7] = {
    {"05", 5, 343, true, "FrmPre_Pre", RodaPre},
    {"33", 33, 1111, true, "FrmConsSaldo", [](QDialog* m) { return Roda(m, FrmConsSaldo); }},
    {"AC", 100, 2677, true, "FrmFrmAtualizaChip", [](QDialog* m) { return Roda(m, FrmFrmAtualizaChip); }},
    {"60", 60, 2678, false, "FrmResgateProm", [](QDialog* m) { return Roda(m, FrmResgateProm); }},
    {"24", 24, 342, true, "FrmAVS_Adc", RodaAVS},
    {"04", 4, 2656, true, "FrmCon_ParAdm", RodaCDC},
    {"01", 1, 2931, true, "FrmCredConsulta_CrediarioCRD", RodaCRD},
};
} // namespace

TFrmOutros_Mnu* TFrmOutros_Mnu::Cria() { return TFrmMod::CriaForm<TFrmOutros_Mnu>(); }

TFrmOutros_Mnu::TFrmOutros_Mnu(QWidget* pai) : TFrmMnu_Mod(pai) { setObjectName(QStringLiteral("FrmOutros_Mnu")); }

void TFrmOutros_Mnu::IniciaFormularioMenu() {
    lbTitulo->setText(QStringLiteral("Selecione o produto"));
    for (int i = 1; i <= 7; ++i) {
        Opcao(i)->setText(QStringLiteral("&%1 - ").arg(i) + Mensagem(kOpcoes[i - 1].mensagem));
        Opcao(i)->setVisible(true);
    }
    spOpcao8->setVisible(false);
    spEncerra->setText(Mensagem(330));
}

void TFrmOutros_Mnu::DesabilitaProdutos(bool bEncerra) {
    for (int i = 1; i <= MAX_OPCOES_MENU; ++i) Opcao(i)->setEnabled(false);
    if (bEncerra) spEncerra->setEnabled(false);
}

bool TFrmOutros_Mnu::VerificaResgatePromocionalHabilitado() {
    return Plataforma::LeIniInt(QStringLiteral("ClienteTrn.ini"), QStringLiteral("BOTOES_HABILITADOS"),
                                QStringLiteral("btResgatePromocionalTulen"), 0) != 0;
}

void TFrmOutros_Mnu::VerificaOpcoesHabilitadas() {
    DesabilitaProdutos(false);
    if (LeServicoO(ServicoO) != 0) return;
    spEncerra->setEnabled(true);
    QtdProdutos = uint16_t(ServicoO.quantidade());
    for (int i = 0; i < QtdProdutos; ++i) {
        TEntradaServicoO e;
        if (!ServicoO.entrada(i, e)) continue;
        for (int n = 1; n <= 7; ++n) {
            if (e.tipo != kOpcoes[n - 1].tipo) continue;
            if (n == 4 && !VerificaResgatePromocionalHabilitado()) continue;
            Opcao(n)->setEnabled(true);
            const QString nome = Apara(QString::fromLatin1(e.nome));
            if (n == 7 && !nome.isEmpty()) Opcao(7)->setText(QStringLiteral("&7 - ") + nome);
        }
    }
}

void TFrmOutros_Mnu::EncerraMenu() {
    PontalGravaArquivo();
    FechaForm(mrOk);
}

bool TFrmOutros_Mnu::ConsultaBins() {
    MostraMensagem(Mensagem(43));
    Plataforma::ProcessMessages();
    if (!Campos::Grava(CAMPO_TIPO_VENDA, QString::fromLatin1(TipoVenda)) ||
        !Campos::Grava(CAMPO_CONSULTA_BINS, QStringLiteral("0")))
        return false;
    QString autorizador, segundo;
    if (!FazConsultaBins(1, 0, 0, 0, 0, autorizador, segundo, 0, lbMensagem)) {
        QString texto = Apara(Campos::Le(CAMPO_TEXTO_OPERADOR));
        if (EhCartaoChipComContato())
            texto = texto.isEmpty() ? Mensagem(944) : texto + QStringLiteral(" - ") + Mensagem(944);
        if (!texto.isEmpty()) MostraMensagem(texto);
        if (Campos::Le(CAMPO_TIPO_OPERACAO_CARTAO) != QLatin1String("2")) RemoveCartao(Mensagem(1092));
        // The host reopens the terminal before the next request.
        if (ComunicacaoSeguraXQ7RAtivo() == 1)
            Plataforma::GravaIni(QStringLiteral("Cliente.ini"), QStringLiteral("TODOS"),
                                 QStringLiteral("DeveRealizarAberTerm"), QStringLiteral("1"));
        PontalGravaArquivo();
        return false;
    }
    if (autorizador != QLatin1String("0125") || !ProcuraMontaListaProdutoSelecionado()) {
        // The card belongs to another acquirer.
        (void)Campos::Grava(CAMPO_CODIGO_RESPOSTA, QStringLiteral("FF"));
        (void)Campos::Grava(CAMPO_TEXTO_RESULTADO, Mensagem(317));
        PontalGravaArquivo();
        return false;
    }
    QString seguranca = Campos::Le(CAMPO_CODIGO_SEGURANCA).trimmed();
    if (!seguranca.isEmpty()) {
        if (seguranca.startsWith(QLatin1String("CSEG:"))) seguranca = seguranca.mid(5);
        if (!Campos::Grava(CAMPO_CODIGO_SEGURANCA, seguranca)) return false;
    }
    VerificaGravaDadosCriptografiaXQ7R();
    return true;
}

bool TFrmOutros_Mnu::PreparaResgatePromocional() {
    if (!Campos::Grava(CAMPO_RESGATE_PROMOCIONAL, QStringLiteral("1"))) return false;
    Campos::Limpa(CAMPO_TIPO_VENDA);
    if (!Campos::Grava(CAMPO_CONSULTA_BINS, QStringLiteral("0")) ||
        !Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("0")))
        return false;
    const bool digita = Plataforma::LeIniInt(QStringLiteral("Cliente.ini"), QStringLiteral("TODOS"),
                                             QStringLiteral("PermiteDigitarCartaoCredito"), 0) != 0;
    if (LerCartao(Plataforma::HandleAplicacao(), digita, QString()) != 0) return false;
    const bool chip = CartaoProcessaChip();
    const QString registro = QStringLiteral("0125") + QString(38, QLatin1Char('0')) + QLatin1Char(chip ? '1' : '0');
    if (chip) {
        int i = 0;
        while (Campos::Preenchido(CAMPO_SERVICOS_GUARDADOS, i)) ++i;
        if (!Campos::Grava(CAMPO_SERVICOS_GUARDADOS, QString::fromLatin1(kServicoRResgate), i) ||
            !Campos::Grava(CAMPO_QTD_SERVICOS_GUARDADOS, QString::number(i + 1)))
            return false;
    }
    if (!Campos::Grava(CAMPO_REGISTRO_CARTAO, registro)) return false;
    if (AnalisaDadosCartao() != 0) return false;
    return Campos::Grava(CAMPO_LIDO_CHIP, QStringLiteral("0"));
}

void TFrmOutros_Mnu::OpcaoClick(int n) {
    if (n < 1 || n > 7) return;
    const OpcaoOutros& o = kOpcoes[n - 1];
    QtdProdutos = uint16_t(ServicoO.quantidade());
    if (QtdProdutos == 0) return;
    int indice = -1;
    MontaSelecionaListaProdutos(QString::number(o.tipoLista), indice, ServicoO.dados, TAM_SERVICO_O);
    TEntradaServicoO e;
    if (indice < 0 || !ServicoO.entrada(indice, e)) {
        EncerraMenu();
        return;
    }
    (void)Campos::Grava(CAMPO_CODIGO_PRODUTO, QString::fromLatin1(e.codigo));
    TipoVenda = QByteArray(1, e.tipoVenda);
    DesabilitaProdutos(true);

    bool segue = true;
    if (n == 1) {
        static const unsigned char kUm = '1';
        PontalGravaCampo(CAMPO_PRE_MENU_OUTROS, 0, &kUm, 1);
    }
    if (n == 4) {
        segue = PreparaResgatePromocional();
    } else if (o.consultaBins) {
        if (n == 5) (void)Campos::Grava(CAMPO_CONSULTA_BINS_AVS, QStringLiteral("1"));
        segue = ConsultaBins();
        if (n == 5) Campos::Limpa(CAMPO_CONSULTA_BINS_AVS);
    }
    if (!segue) {
        if (n == 4) PontalGravaArquivo();
        FechaForm(mrOk);
        return;
    }
    MostraMensagem(Mensagem(21));
    if (!o.roda || !o.roda(this))
        CaixaMensagem(FormataMensagem(Mensagem(802), o.nomeForm), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    if (result() == 0) VerificaOpcoesHabilitadas();
}

// A list offering the balance query, the chip update and a named crediário consultation.
static QDialog* FormGaleriaOutros() {
    QByteArray o = QByteArray("000000") + QByteArray("2026120501");
    const char* entradas[][3] = {
        {"0033", "33", "CONSULTA SALDO"}, {"00AC", "AC", "ATUALIZA CHIP"}, {"0001", "01", "CONSULTA CREDIARIO LOJA"}};
    o += char(3);
    o += char(0);
    for (const auto& e : entradas)
        o += QByteArray(e[0]) + QByteArray(e[1]) + QByteArray(e[2]).leftJustified(40, ' ') + '1';
    (void)Campos::GravaBytes(CAMPO_SERVICO_O, o);
    return TFrmOutros_Mnu::Cria();
}
KORA_REGISTRA_GALERIA(FrmOutros_Mnu, FormGaleriaOutros)
KORA_REGISTRA_FORM(FrmOutros_Mnu, TFrmOutros_Mnu)
