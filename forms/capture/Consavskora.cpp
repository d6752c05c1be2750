#include "Consavskora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "capture/Filtroteclakora.h"
#include "ciraz.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"
#include "platform.h"
#include "pontal.h"
#include "transaction/Descritoreskora.h"
#include "transaction/Trnmodelokora.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

TFrmAVS_Adc* FrmAVS_Adc = nullptr;

namespace {
// Text edits of this form take capitals only, whatever is typed.
class Maiusculas : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texto, int&) const override {
        texto = texto.toUpper();
        return Acceptable;
    }
};

constexpr int TAM_MAX_TEXTO_1027 = 128;
} // namespace

int TrocaCRLFEspaco(char* buffer, int capacidade, int tamanho) {
    if (!buffer || capacidade <= 0) return 0;
    int fim = 0;
    while (fim < tamanho && fim < capacidade && buffer[fim] != '\0') ++fim;
    int j = 0;
    for (int i = 0; i < fim && j < TAM_MAX_TEXTO_1027 && j < capacidade - 1; ++i) {
        if (buffer[i] == '\r' && i + 1 < fim && buffer[i + 1] == '\n') {
            buffer[j++] = ' ';
            ++i;
        } else {
            buffer[j++] = buffer[i];
        }
    }
    buffer[j] = '\0';
    return j;
}

TFrmAVS_Adc* TFrmAVS_Adc::Cria() { return TFrmMod::CriaForm<TFrmAVS_Adc>(); }

TFrmAVS_Adc::TFrmAVS_Adc(QWidget* pai) : TFrmAdc_Mod(pai) {
    setObjectName(QStringLiteral("FrmAVS_Adc"));
    lbTitulo->setText(QString::fromUtf8("CONSULTA AVS"));
    const unsigned rotulo = Ctl::Direita | Ctl::Destaque | Ctl::Transparente;
    Controles(this)
        .Rotulo(lbCPF, "lbCPF", pnCaptura, {8, 20, 100, 15}, "CPF:", rotulo)
        .Mascara(edCPF, "edCPF", pnCaptura, {112, 16, 121, 24}, "999.999.999-99;_", {.max = 14, .foco = 67})
        .Rotulo(lbEndereco, "lbEndereco", pnCaptura, {8, 56, 100, 15}, "Endereço:", rotulo)
        .Edicao(edEndereco, "edEndereco", pnCaptura, {112, 52, 300, 24}, {.max = 40, .foco = 60})
        .Rotulo(lbNumero, "lbNumero", pnCaptura, {416, 56, 40, 15}, "Nº:", rotulo)
        .Edicao(edNumero, "edNumero", pnCaptura, {460, 52, 61, 24}, {.max = 6, .foco = 61})
        .Rotulo(lbBairro, "lbBairro", pnCaptura, {8, 92, 100, 15}, "Bairro:", rotulo)
        .Edicao(edBairro, "edBairro", pnCaptura, {112, 88, 161, 24}, {.max = 20, .foco = 65})
        .Rotulo(lbCep, "lbCep", pnCaptura, {290, 92, 60, 15}, "CEP:", rotulo)
        .Mascara(edCep, "edCep", pnCaptura, {356, 88, 81, 24}, "99999-999;_", {.max = 9, .foco = 66})
        .Rotulo(lbConjApto, "lbConjApto", pnCaptura, {8, 128, 100, 15}, "Conj./Apto.:", rotulo)
        .Edicao(edConjApto, "edConjApto", pnCaptura, {112, 124, 61, 24}, {.max = 5, .foco = 63})
        .Rotulo(lbBloco, "lbBloco", pnCaptura, {190, 128, 60, 15}, "Bloco:", rotulo)
        .Edicao(edBloco, "edBloco", pnCaptura, {256, 124, 31, 24}, {.max = 2, .foco = 64});
    for (QLineEdit* ed : {edEndereco, edNumero, edBairro, edConjApto, edBloco}) ed->setValidator(new Maiusculas(ed));
    OrdemTab({edCPF, edEndereco, edNumero, edBairro, edCep, edConjApto, edBloco, btConfirma, btRetorna});
}

bool TFrmAVS_Adc::FiltraEvento(QObject* obj, QEvent* ev) {
    if ((obj == edNumero || obj == edCep) && TeclaRecusada(ev, ",.")) return true;
    if (obj == edCPF && TeclaRecusada(ev)) return true;
    return TFrmAdc_Mod::FiltraEvento(obj, ev);
}

void TFrmAVS_Adc::IniciaCamposForm() {
    TFrmAdc_Mod::IniciaCamposForm();
    HabilitaControles(true);
    lbTitulo->setText(Mensagem(458));
    pTransacao = &TrnConsultaAVS;
    lbCPF->setText(Mensagem(589));
    lbEndereco->setText(Mensagem(590));
    lbNumero->setText(Mensagem(592));
    lbBairro->setText(Mensagem(597));
    lbCep->setText(Mensagem(596));
    lbConjApto->setText(Mensagem(594));
    lbBloco->setText(Mensagem(595));
    // What the caller gave cannot be changed.
    const std::pair<QLineEdit*, int> preenchidos[] = {{edCPF, CAMPO_CPF_AVS},
                                                      {edEndereco, CAMPO_ENDERECO_AVS},
                                                      {edNumero, CAMPO_NUMERO_AVS},
                                                      {edCep, CAMPO_CEP_AVS},
                                                      {edBairro, CAMPO_BAIRRO_AVS}};
    for (const auto& [ed, campo] : preenchidos) {
        // A masked edit left empty takes typed digits from its start.
        const QString valor = Campos::Le(campo).toUpper();
        if (valor.isEmpty())
            ed->clear();
        else
            ed->setText(valor);
        // A masked edit's text keeps its separators: only its digits count.
        const bool vazio =
            ed->inputMask().isEmpty() ? ed->text().trimmed().isEmpty() : RemoveFormato(ed->text()).isEmpty();
        ed->setEnabled(vazio);
    }
    edConjApto->clear();
    edBloco->clear();
}

void TFrmAVS_Adc::FormShow() {
    TFrmAdc_Mod::FormShow();
    if (edEndereco->isEnabled()) edEndereco->setFocus();
}

bool TFrmAVS_Adc::Recusa(QLineEdit* ed, int mensagem) {
    CaixaMensagem(Mensagem(mensagem), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    ed->setEnabled(true);
    ed->clear();
    ed->setFocus();
    return false;
}

bool TFrmAVS_Adc::ValidaCamposForm() {
    if (!TFrmAdc_Mod::ValidaCamposForm()) return false;
    if (edEndereco->text().trimmed().isEmpty()) return Recusa(edEndereco, 832);
    if (edNumero->text().trimmed().isEmpty()) return Recusa(edNumero, 2649);
    if (RemoveFormato(edCep->text()).size() < 8) return Recusa(edCep, 835);
    if (!VerificaCPF(edCPF->text())) {
        pnCaptura->setEnabled(true);
        return Recusa(edCPF, 803);
    }
    return true;
}

bool TFrmAVS_Adc::GravaCamposPontal() {
    if (!TFrmAdc_Mod::GravaCamposPontal()) return false;
    if (GravaTrilhas(240) != 0) return false;
    const bool gravou = Campos::Grava(CAMPO_CODIGO_REQUISICAO, QStringLiteral("42")) &&
                        Campos::Grava(CAMPO_CPF_AVS, RemoveFormato(edCPF->text())) &&
                        Campos::Grava(CAMPO_ENDERECO_AVS, edEndereco->text().toUpper()) &&
                        Campos::Grava(CAMPO_NUMERO_AVS, edNumero->text().toUpper()) &&
                        Campos::Grava(CAMPO_BAIRRO_AVS, edBairro->text().toUpper()) &&
                        Campos::Grava(CAMPO_CEP_AVS, RemoveFormato(edCep->text()));
    if (!gravou) return false;
    DefineComplementoBloco("027:" + edConjApto->text().toUpper().toLatin1(),
                           "028:" + edBloco->text().toUpper().toLatin1());
    return true;
}

void TFrmAVS_Adc::btConfirmaClick() {
    bControlaKeyPreview = false;
    if (!(ValidaCamposForm() && GravaCamposPontal() && FormataDadosCartaoPinpad())) {
        HabilitaControles(true);
        return;
    }
    HabilitaControles(false);
    MostraMensagem(Mensagem(43));
    Plataforma::ProcessMessages();
    ExibeMsgPinpad(Mensagem(1091));
    AutorizaTransacao(pTransacao, lbMensagem, 0);
    ExibeMsgPinpad(QString());

    const QString mensagem = Campos::Le(CAMPO_TEXTO_OPERADOR).trimmed();
    if (!mensagem.isEmpty()) MostraMensagem(mensagem);
    if (!Campos::Le(CAMPO_LINHAS_RETORNO).isEmpty()) {
        constexpr int capacidade = 257;
        QByteArray texto(capacidade, '\0');
        const QByteArray inicio = (mensagem + QStringLiteral("\r\n")).toLatin1().left(capacidade - 1);
        std::copy(inicio.begin(), inicio.end(), texto.begin());
        TrataServicoM(texto.data(), 0, capacidade);
        CaixaMensagem(QString::fromLatin1(texto.constData()), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
        const int tamanho = TrocaCRLFEspaco(texto.data(), capacidade, int(qstrnlen(texto.constData(), capacidade)));
        if (!Campos::GravaBytes(CAMPO_TEXTO_RESULTADO, texto.left(tamanho)))
            Audita(QStringLiteral("Kora41 - TFrmAVS_Adc: campo 1027 recusado"));
    }
    if (Campos::Le(CAMPO_CABECALHO_RESPOSTA).left(2) == QLatin1String("00")) {
        PontalEnviarFinalizacaoEx(1);
        if (!Campos::Grava(CAMPO_CODIGO_RESPOSTA, QStringLiteral("0")))
            Audita(QStringLiteral("Kora41 - TFrmAVS_Adc: campo 1009 recusado"));
    }
    PontalGravaArquivo();
    FechaForm(mrOk);
}

// A verification whose taxpayer number and postcode came from the caller.
static QDialog* FormGaleriaAVS() {
    Produto.limpa();
    if (!Campos::Grava(CAMPO_CPF_AVS, QStringLiteral("52998224725"))) return nullptr;
    if (!Campos::Grava(CAMPO_CEP_AVS, QStringLiteral("01310100"))) return nullptr;
    return TFrmAVS_Adc::Cria();
}
KORA_REGISTRA_GALERIA(FrmAVS_Adc, FormGaleriaAVS)
KORA_REGISTRA_FORM(FrmAVS_Adc, TFrmAVS_Adc)
