#include "bromo.h"

#include "estado.h"
#include "hostlib.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cstring>
#include <qrencode.h>

using hostsim::estado;

namespace {

bool Recusado(int campo) { return estado().camposRecusados.count(campo) != 0; }

bool CampoValido(int campo, int indice) { return campo > 0 && campo < 0xFFFF && indice >= 0 && indice <= 0xFFFF; }

QByteArray Latin1(const QString& s) { return s.toLatin1(); }

} // namespace

// ---- Field access -------------------------------------------------------

void LeCampo(QString& texto, int campo, int indice) {
    texto = CampoValido(campo, indice) ? QString::fromLatin1(estado().campos.le(uint16_t(campo), uint16_t(indice)))
                                       : QString();
}

int GravaCampoString(int campo, int indice, const QString& texto) {
    if (!CampoValido(campo, indice)) return -1;
    if (Recusado(campo)) return -2;
    estado().campos.grava(uint16_t(campo), uint16_t(indice), texto.toLatin1());
    return 0;
}

int PontalLeCampoMaxLen(int campo, int indice, char* buffer, int& tamanho, int capacidade) {
    tamanho = 0;
    if (!CampoValido(campo, indice) || capacidade < 0 || (capacidade > 0 && !buffer)) return -1;
    if (!estado().campos.existe(uint16_t(campo), uint16_t(indice))) return -100;
    const QByteArray v = estado().campos.le(uint16_t(campo), uint16_t(indice));
    tamanho = std::min(int(v.size()), capacidade);
    if (tamanho > 0) std::memcpy(buffer, v.constData(), size_t(tamanho));
    return 0;
}

// ---- Message table --------------------------------------------------------

void LeMensagens(QString& texto, int numero) {
    texto = hostsim::TextoMensagem(numero);
    estado().mensagensLidas.insert(numero, texto);
}

// ---- Authorization --------------------------------------------------------

int AutorizaTransacao(const TTransacao* descritor, QLabel* mensagem, int modo) {
    if (mensagem) mensagem->setText(QStringLiteral("Aguarde, autorizando..."));
    return hostsim::EnviaAoAdquirente(descritor, QStringLiteral("AutorizaTransacao"), modo);
}

// ---- Reply services -------------------------------------------------------

bool ProcuraServico(int indice, int campo, char letra, const QString& codigo, char* buffer, int capacidade,
                    int* tamanho) {
    if (tamanho) *tamanho = 0;
    if (!CampoValido(campo, indice)) return false;
    const auto t =
        hostsim::LocalizaServico(estado().campos.le(uint16_t(campo), uint16_t(indice)), letra, Latin1(codigo));
    if (!t) return false;
    const int n = buffer ? std::clamp(int(t->size()), 0, std::max(capacidade, 0)) : 0;
    if (n > 0) std::memcpy(buffer, t->constData(), size_t(n));
    if (buffer && n < capacidade) buffer[n] = '\0';
    if (tamanho) *tamanho = n;
    return true;
}

bool ProcuraRemoveServico(int campo, char letra, const QString& codigo) {
    if (!CampoValido(campo, 0)) return false;
    const auto r = hostsim::RemoveServico(estado().campos.le(uint16_t(campo)), letra, Latin1(codigo));
    if (!r) return false;
    estado().campos.grava(uint16_t(campo), 0, *r);
    return true;
}

int TrataServicoM(char* buffer, int indice, int capacidade) {
    // The M service carries the text for the operator; the caller's buffer
    // may already hold a heading, which the service's text follows.
    if (!buffer || capacidade <= 0) return -1;
    const auto t = hostsim::LocalizaServico(estado().campos.le(20026, uint16_t(std::max(indice, 0))), 'M', {});
    const size_t usado = strnlen(buffer, size_t(capacidade));
    if (usado >= size_t(capacidade)) buffer[capacidade - 1] = '\0';
    if (!t) return 0;
    const size_t cabe = size_t(capacidade) - 1 - std::min(usado, size_t(capacidade) - 1);
    const size_t n = std::min(size_t(t->size()), cabe);
    std::memcpy(buffer + std::min(usado, size_t(capacidade) - 1), t->constData(), n);
    buffer[std::min(usado, size_t(capacidade) - 1) + n] = '\0';
    return int(n);
}

int TrataServicoC_TransacoesHabilitadasTerminal() {
    return hostsim::RespostaInt(QStringLiteral("TrataServicoC_TransacoesHabilitadasTerminal"), 1);
}

int TrataServicoC_TransacoesHabilitadasTerminal(int posicaoTerminal) {
    const auto& t = estado().posicoesTerminal;
    return hostsim::RespostaInt(QStringLiteral("TrataServicoC_TransacoesHabilitadasTerminal"),
                                !t || t->count(posicaoTerminal) ? 1 : 0);
}

int TrataRespostaServicoQ096(int modo) {
    hostsim::RegistraChamada(QStringLiteral("TrataRespostaServicoQ096"), {modo});
    return hostsim::RespostaInt(QStringLiteral("TrataRespostaServicoQ096"), hostsim::RegraRespostaServicoQ096(modo));
}

bool VerificaTrataCampoProdXSAV(const QString& titulo, int modo) {
    hostsim::RegistraChamada(QStringLiteral("VerificaTrataCampoProdXSAV"), {titulo, modo});
    return hostsim::RespostaBool(QStringLiteral("VerificaTrataCampoProdXSAV"), true);
}

bool VerificaTrataConsultaPlanoFinanciamentoCrediario() {
    hostsim::RegistraChamada(QStringLiteral("VerificaTrataConsultaPlanoFinanciamentoCrediario"));
    return hostsim::RespostaBool(QStringLiteral("VerificaTrataConsultaPlanoFinanciamentoCrediario"), true);
}

// ---- Questions ------------------------------------------------------------

bool VerificaServico5(const QString& nome, int) {
    const QByteArray n = Latin1(nome);
    const bool tem = !n.isEmpty() && (estado().campos.le(20026).contains(n) ||
                                      hostsim::LocalizaServico(estado().campos.le(20026), '5', n).has_value());
    return hostsim::RespostaBool(QStringLiteral("VerificaServico5"), tem);
}

int RealizaPerguntasCamposLPergEx(const QString& titulo, int modo, QString& bufferTitulo) {
    hostsim::RegistraChamada(QStringLiteral("RealizaPerguntasCamposLPergEx"), {titulo, modo});
    QJsonObject saidas;
    // Unscripted, the flow runs only when the reply asked for it.
    const bool fluxo = estado().campos.le(20026).contains("FLUXOPERG:");
    const int r = hostsim::RespostaInt(QStringLiteral("RealizaPerguntasCamposLPergEx"), fluxo ? 1 : 0, &saidas);
    bufferTitulo = saidas.contains("title") ? saidas.value("title").toString() : titulo;
    return r;
}

// ---- Error report ---------------------------------------------------------

void EnviaArquivoErroPDV(int codigo, const QString& texto) {
    estado().erros.append(QJsonObject{{"code", codigo}, {"text", texto}});
}

// ---- Enabled transactions -------------------------------------------------

bool TransacoesHabilitadasIntPos(int posicaoPdv) {
    const auto& p = estado().posicoesPdv;
    return hostsim::RespostaBool(QStringLiteral("TransacoesHabilitadasIntPos"), !p || p->count(posicaoPdv));
}

bool TransacoesHabilitadas(int posicaoTerminal, int posicaoPdv) {
    const auto& t = estado().posicoesTerminal;
    const auto& p = estado().posicoesPdv;
    return hostsim::RespostaBool(QStringLiteral("TransacoesHabilitadas"),
                                 (!t || t->count(posicaoTerminal)) && (!p || p->count(posicaoPdv)));
}

bool CompreSaqueHabilitado(int posicaoTerminal) {
    const auto& c = estado().compreSaque;
    return hostsim::RespostaBool(QStringLiteral("CompreSaqueHabilitado"), !c || c->count(posicaoTerminal));
}

// ---- Card state -----------------------------------------------------------

bool EhCartaoEMV() { return hostsim::RespostaBool(QStringLiteral("EhCartaoEMV"), estado().cartaoEmv); }
bool EhCartaoChipComContato() {
    return hostsim::RespostaBool(QStringLiteral("EhCartaoChipComContato"), estado().cartaoChipContato);
}
bool CartaoProcessaChip() {
    return hostsim::RespostaBool(QStringLiteral("CartaoProcessaChip"), estado().cartaoProcessaChip);
}
bool VerificaSeCartaoLidoCHIP() {
    return hostsim::RespostaBool(QStringLiteral("VerificaSeCartaoLidoCHIP"), estado().cartaoLidoChip);
}

// ---- Currency conversion --------------------------------------------------

int ObtemConfirmacaoMoedaCliente() {
    hostsim::RegistraChamada(QStringLiteral("ObtemConfirmacaoMoedaCliente"));
    // Without an offer on screen the customer has nothing to answer: abandoned.
    const bool mostrada = hostsim::RegraConfirmacaoMoedaCliente();
    return hostsim::RespostaInt(QStringLiteral("ObtemConfirmacaoMoedaCliente"), mostrada ? 0 : 1);
}

int AtualizaDadosTrxMoedaSelecionada(int resposta, int modo) {
    hostsim::RegistraChamada(QStringLiteral("AtualizaDadosTrxMoedaSelecionada"), {resposta, modo});
    // A scripted answer replaces the rule, and then nothing is rewritten.
    if (auto r = hostsim::ProximaResposta(QStringLiteral("AtualizaDadosTrxMoedaSelecionada")))
        return r->value("result").toInt(0);
    return hostsim::RegraAtualizaDadosTrxMoedaSelecionada(resposta, modo);
}

// ---- Approved transaction -------------------------------------------------

void VerificaMontaCampos300(int modo) { hostsim::RegistraChamada(QStringLiteral("VerificaMontaCampos300"), {modo}); }

void VerificaGravaCampoTratamentoEspecialPagamentoCarne() {
    hostsim::RegistraChamada(QStringLiteral("VerificaGravaCampoTratamentoEspecialPagamentoCarne"));
}

// ---- Validation -----------------------------------------------------------

bool PermiteAlterarDados() {
    return hostsim::RespostaBool(QStringLiteral("PermiteAlterarDados"), estado().permiteAlterarDados);
}

// ---- Products -------------------------------------------------------------

void MontaSelecionaListaProdutos(const QString& tipo, int& indice, const unsigned char*, int tamanhoServicoO) {
    hostsim::RegistraChamada(QStringLiteral("MontaSelecionaListaProdutos"), {tipo, tamanhoServicoO});
    indice = hostsim::RespostaInt(QStringLiteral("MontaSelecionaListaProdutos"), 0);
}

// ---- QR code --------------------------------------------------------------

namespace {

QImage ImagemQR(const QString& texto, QSize tamanho) {
    const QByteArray dados = texto.toUtf8();
    QRcode* qr = QRcode_encodeString(dados.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!qr) return {};
    const int lado = std::max(1, std::min(tamanho.width(), tamanho.height()));
    QImage img(lado, lado, QImage::Format_RGB32);
    img.fill(Qt::white);
    const int modulos = qr->width + 8; // four modules of quiet zone on each side
    const double passo = double(lado) / modulos;
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (int y = 0; y < qr->width; ++y)
        for (int x = 0; x < qr->width; ++x)
            if (qr->data[y * qr->width + x] & 1) p.drawRect(QRectF((x + 4) * passo, (y + 4) * passo, passo, passo));
    p.end();
    QRcode_free(qr);
    return img;
}

void Mostra(QWidget* area, const QImage& imagem) {
    if (auto* l = qobject_cast<QLabel*>(area))
        l->setPixmap(QPixmap::fromImage(imagem));
    else if (area)
        area->update();
}

} // namespace

void MontaQRCode(QWidget* area, QImage& imagem) {
    const QSize t = area ? area->size() : QSize(200, 200);
    imagem = QImage(t.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    imagem.fill(Qt::white);
    Mostra(area, imagem);
}

void AtualizaQRCode(const QString& texto, QImage& imagem, QWidget* area) {
    const QSize t = area ? area->size() : (imagem.isNull() ? QSize(200, 200) : imagem.size());
    const QImage img = ImagemQR(texto, t);
    if (img.isNull()) return;
    imagem = img;
    Mostra(area, imagem);
}

// ---- Start-up -------------------------------------------------------------

QString GetBuildInfo(const QString&) { return QStringLiteral("1.0.0.0"); }

void AplicaTemaTalvar(QWidget* form) {
    // The host's theme: the module's forms keep their own look here; the
    // property lets a test see that the form was handed to the host.
    if (form) form->setProperty("temaHost", true);
}
