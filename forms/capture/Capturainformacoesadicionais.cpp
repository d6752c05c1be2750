#include "capture/Capturainformacoesadicionais.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "capture/Capturacomum.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"
#include "platform.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstring>

std::vector<Captura::TProdutoEspecial> ProdutosEspeciais;
std::vector<Captura::TInfoAdicional> InfoAdicionais;
QString ProdutoEspecial;
QByteArray ProdutoEspecialDD = "00000";
TFrmCap_InfoAdc* FrmCap_InfoAdc = nullptr;

using namespace CapturaComum;

namespace {

constexpr int TOPOS_LABEL[TFrmCap_InfoAdc::POSICOES] = {22, 59, 97, 135, 173};
constexpr int TOPOS_EDIT[TFrmCap_InfoAdc::POSICOES] = {18, 55, 93, 131, 169};

// Amount answers are shown formatted, so the edit needs room for the
// separators beyond the digits the question allows.
int LarguraTextoValor(int maxDigitos) { return int(TextoValor(QString(qMax(maxDigitos, 1), QLatin1Char('9'))).size()); }

int DigitosSignificativos(const QString& texto) {
    QString d = SoDigitos(texto);
    while (!d.isEmpty() && d.front() == QLatin1Char('0')) d.remove(0, 1);
    return int(d.size());
}

} // namespace

TFrmCap_InfoAdc::TFrmCap_InfoAdc(QWidget* pai) : TFrmMod(pai) {
    setObjectName(QStringLiteral("FrmCap_InfoAdc"));

    static const char* const rotulos[POSICOES] = {"lbProdEspecial1", "lbProdEspecial2", "lbProdEspecial3",
                                                  "lbProdEspecial4", "lbProdEspecial5"};
    static const char* const edicoes[POSICOES] = {"edProdEspecial1", "edProdEspecial2", "edProdEspecial3",
                                                  "edProdEspecial4", "edProdEspecial5"};
    Controles(this).Painel(pnCaptura, "pnCaptura", this, {24, 106, 580, 210}, Ctl::Rebaixado, COR_PAINEL);
    for (int i = 0; i < POSICOES; ++i)
        Controles(this).Rotulo(lbProdEspecial[i], rotulos[i], pnCaptura, {16, TOPOS_LABEL[i], 235, 15},
                               "Descrição Produto Especial:", Ctl::Direita);
    for (int i = 0; i < POSICOES; ++i) {
        QLineEdit*& ed = edProdEspecial[i];
        Controles(this).Edicao(ed, edicoes[i], pnCaptura, {261, TOPOS_EDIT[i], 180, 24}, {.max = 1});
        ed->setProperty("tag", i);
        ed->installEventFilter(this);
        Liga(ed, &QLineEdit::textChanged, [this, ed] { edProdEspecial1Change(ed); });
    }
    Controles(this)
        .Painel(pnBotoes, "pnBotoes", this, {111, 330, 400, 40}, Ctl::Nenhum, COR_PAINEL)
        .Botao(btConfirma, "btConfirma", pnBotoes, {31, 4, 121, 33}, "&1 - Confirma", {.estilo = BOTAO})
        .Botao(btRetorna, "btRetorna", pnBotoes, {248, 4, 121, 33}, "&9 - Cancela", {.estilo = BOTAO});
    Liga(btConfirma, &QPushButton::clicked, [this] { btConfirmaClick(); });
    Liga(btRetorna, &QPushButton::clicked, [this] { btRetornaClick(); });
}

TFrmCap_InfoAdc* TFrmCap_InfoAdc::Cria() { return CriaForm<TFrmCap_InfoAdc>(); }

void TFrmCap_InfoAdc::FormCreate() {
    TFrmMod::FormCreate();
    pnBotoes->setVisible(true);
    btConfirma->setVisible(true);
    btRetorna->setVisible(true);
    lbTitulo->setText(Mensagem(2593));
    btConfirma->setText(Mensagem(553));
    btRetorna->setText(Mensagem(554));
}

bool TFrmCap_InfoAdc::ObtemDescricaoProdutos() {
    ProdutosEspeciais.clear();
    InfoAdicionais.clear();
    const int i = ProcuraEntradaServicoW();
    if (i < 0 || i >= ServicoE.quantidade || i >= int(ServicoE.dados.size())) return false;
    const TDadosServicoE& grupo = ServicoE.dados[size_t(i)];
    for (const TProdutosEspeciais& p : grupo.produtos) {
        Captura::TProdutoEspecial q;
        if (!Captura::DecodificaProdutoEspecial(p.dados, 0, q)) continue;
        if (q.descricao.trimmed().isEmpty()) continue;
        ProdutosEspeciais.push_back(q);
        Captura::TInfoAdicional r;
        r.codigo = q.codigo;
        r.tipo = q.tipo;
        InfoAdicionais.push_back(r);
    }
    return !ProdutosEspeciais.empty();
}

void TFrmCap_InfoAdc::HabilitaControles(bool sim) {
    pnCaptura->setEnabled(sim);
    btConfirma->setEnabled(sim);
    btRetorna->setEnabled(sim);
}

void TFrmCap_InfoAdc::IniciaCamposForm() {
    nPagina = 0;
    nProdutoAtual = 0;
    HabilitaControles(true);
    MontaDescricaoProdutos();
}

void TFrmCap_InfoAdc::FormShow() {
    IniciaCamposForm();
    if (qobject_cast<QPushButton*>(focusWidget())) focusNextChild();
    TFrmMod::FormShow();
    edProdEspecial1Enter(edProdEspecial[0]);
}

void TFrmCap_InfoAdc::MontaDescricaoProdutos() {
    ++nPagina;
    nInicioPagina = nProdutoAtual;
    for (int i = 0; i < POSICOES; ++i) {
        edProdEspecial[i]->setVisible(false);
        edProdEspecial[i]->clear();
        lbProdEspecial[i]->setVisible(false);
        lbProdEspecial[i]->clear();
    }
    ProdutoEspecial.clear();
    ProdutoEspecialDD = "00000";
    for (int i = 0; i < POSICOES && nProdutoAtual < int(ProdutosEspeciais.size()); ++i) {
        const Captura::TProdutoEspecial& q = ProdutosEspeciais[size_t(nProdutoAtual)];
        lbProdEspecial[i]->setText(QString::fromLatin1(q.descricao) + QLatin1Char(':'));
        lbProdEspecial[i]->setVisible(!lbProdEspecial[i]->text().isEmpty());
        edProdEspecial[i]->setVisible(lbProdEspecial[i]->isVisibleTo(this));
        edProdEspecial[i]->setMaxLength(Captura::TipoDado(q.tipo) == 4 ? LarguraTextoValor(q.maximo)
                                                                       : qMax(q.maximo, 0));
        ++nProdutoAtual;
    }
}

int TFrmCap_InfoAdc::Indice(const QLineEdit* ed) const {
    const int tag = ed->property("tag").toInt();
    const int i = nInicioPagina + tag;
    return (nPagina > 0 && tag >= 0 && tag < POSICOES && i < nProdutoAtual) ? i : -1;
}

const Captura::TProdutoEspecial* TFrmCap_InfoAdc::Questao(const QLineEdit* ed) const {
    const int i = Indice(ed);
    return i < 0 ? nullptr : &ProdutosEspeciais[size_t(i)];
}

void TFrmCap_InfoAdc::MostraDica(QLineEdit* ed, int mensagem) {
    const Captura::TProdutoEspecial* q = Questao(ed);
    if (!q) return;
    MostraMensagem(Mensagem(mensagem) + QLatin1Char(' ') + QString::fromLatin1(q->descricao) + QLatin1Char(' ') +
                   Mensagem(1042));
}

void TFrmCap_InfoAdc::edProdEspecial1Enter(QLineEdit* ed) {
    if (nPagina == 0 || !Questao(ed)) return;
    ProdutoEspecialDD[ed->property("tag").toInt()] = '0';
    MostraDica(ed, 1043);
}

void TFrmCap_InfoAdc::edProdEspecial1Exit(QLineEdit*) { ProdutoEspecial.clear(); }

bool TFrmCap_InfoAdc::edProdEspecial1KeyPress(QLineEdit* ed, QKeyEvent* ev) {
    const Captura::TProdutoEspecial* q = Questao(ed);
    if (!q) return false;
    const int tipo = Captura::TipoDado(q->tipo);
    const bool enter = ev->key() == Qt::Key_Return || ev->key() == Qt::Key_Enter;
    const bool retrocesso = ev->key() == Qt::Key_Backspace;
    if (!enter && !retrocesso) {
        // Navigation and editing keys stay the edit's own.
        const QString t = ev->text();
        if (t.isEmpty() || t.at(0).unicode() < 32 || t.at(0).unicode() > 255) return false;
        QChar c = QLatin1Char(TraduzTecla(char(t.at(0).toLatin1())));
        if (c.isNull() || !Captura::TeclaAceita(tipo, c, ed->text())) return true;
        if (tipo == 4 && (c == QLatin1Char(',') || c == QLatin1Char('.'))) {
            ed->insert(SeparadorDecimal());
            return true;
        }
        // A formatted amount keeps its leading zeros; only the real digits count.
        if (tipo == 4 && DigitosSignificativos(ed->text()) >= q->maximo) return true;
        if (c.isLower()) {
            ed->insert(c.toUpper());
            return true;
        }
        return false;
    }
    if (retrocesso) return false;

    const int pos = ed->property("tag").toInt();
    if (!ed->text().isEmpty() && q->duplaDigitacao == '1') {
        if (ProdutoEspecial.isEmpty()) {
            ProdutoEspecial = ed->text();
            ed->clear();
            MostraDica(ed, 2594);
        } else if (ProdutoEspecial == ed->text()) {
            ProdutoEspecialDD[pos] = '1';
            focusNextChild();
        } else {
            CaixaMensagem(Mensagem(1041), Plataforma::MB_OK, Plataforma::Icone::Informacao);
            ProdutoEspecial.clear();
            ed->clear();
            MostraDica(ed, 1043);
        }
        return true;
    }
    ProdutoEspecialDD[pos] = '0';
    focusNextChild();
    return true;
}

void TFrmCap_InfoAdc::edProdEspecial1Change(QLineEdit* ed) {
    const Captura::TProdutoEspecial* q = Questao(ed);
    if (q && Captura::TipoDado(q->tipo) == 4 && !ed->text().isEmpty()) FormataValor(ed);
}

bool TFrmCap_InfoAdc::FiltraEvento(QObject* obj, QEvent* ev) {
    auto* ed = qobject_cast<QLineEdit*>(obj);
    if (ed) {
        switch (ev->type()) {
        case QEvent::FocusIn: edProdEspecial1Enter(ed); break;
        case QEvent::FocusOut: edProdEspecial1Exit(ed); break;
        case QEvent::KeyPress:
            if (edProdEspecial1KeyPress(ed, static_cast<QKeyEvent*>(ev))) return true;
            break;
        default: break;
        }
    }
    return TFrmMod::FiltraEvento(obj, ev);
}

bool TFrmCap_InfoAdc::ValidaCamposForm() {
    for (int i = 0; i < POSICOES; ++i) {
        QLineEdit* ed = edProdEspecial[i];
        const Captura::TProdutoEspecial* q = Questao(ed);
        if (!q || !ed->isVisibleTo(this)) continue;
        // The package's RemoveFormato keeps digits only; it is the amount's
        // formatting that must go, a text answer is taken as typed.
        const bool valor = Captura::TipoDado(q->tipo) == 4;
        const QString resposta = valor ? SoDigitos(ed->text()) : ed->text();
        const bool confirmada = ProdutoEspecialDD[i] == '1';
        const bool cpf = Captura::TipoDado(q->tipo) == 3 ? CPFValido(resposta) : true;
        const Captura::TValidacao v = Captura::ValidaResposta(*q, resposta, confirmada, cpf);
        if (v.ok) continue;
        HabilitaControles(true);
        if (v.mensagem != 0) {
            const auto icone = v.mensagem == 1041 ? Plataforma::Icone::Informacao : Plataforma::Icone::Exclamacao;
            CaixaMensagem(Mensagem(v.mensagem), Plataforma::MB_OK, icone);
        }
        if (v.limpa) ed->clear();
        ed->setFocus();
        return false;
    }
    return true;
}

void TFrmCap_InfoAdc::GravaDadosTela() {
    for (int i = 0; i < POSICOES; ++i) {
        const int indice = Indice(edProdEspecial[i]);
        if (indice < 0 || indice >= int(InfoAdicionais.size())) continue;
        const Captura::TProdutoEspecial& q = ProdutosEspeciais[size_t(indice)];
        const QString t =
            Captura::TipoDado(q.tipo) == 4 ? SoDigitos(edProdEspecial[i]->text()) : edProdEspecial[i]->text();
        InfoAdicionais[size_t(indice)].resposta = t.trimmed().left(Captura::TAM_RESPOSTA_MAX).toLatin1();
    }
}

bool TFrmCap_InfoAdc::GravaCamposPontal() {
    return Campos::GravaBytes(CAMPO_INFORMACOES_ADICIONAIS, Captura::MontaCampoInfoAdicionais(InfoAdicionais));
}

void TFrmCap_InfoAdc::btConfirmaClick() {
    HabilitaControles(false);
    lbMensagem->setText(Mensagem(43));
    if (!ValidaCamposForm()) {
        HabilitaControles(true);
        return;
    }
    GravaDadosTela();
    if (nProdutoAtual < int(ProdutosEspeciais.size())) {
        HabilitaControles(true);
        MontaDescricaoProdutos();
        FocaPrimeiroControle();
        return;
    }
    // The dialog closes whatever the host made of the write.
    GravaCamposPontal();
    FechaForm(mrCancel);
}

void TFrmCap_InfoAdc::btRetornaClick() { FechaForm(mrOk); }

// ---- Gallery ----------------------------------------------------------------------

namespace {

QByteArray QuestaoGaleria(const char* codigo, int min, int max, char dupla, char tipo, const char* texto) {
    QByteArray q = QByteArray(codigo).leftJustified(7, '0', true);
    q += QByteArray::number(min).rightJustified(2, '0') + QByteArray::number(max).rightJustified(2, '0');
    q += dupla;
    q += tipo;
    q += QByteArray(texto).leftJustified(41, ' ', true);
    return q;
}

} // namespace

KORA_REGISTRA_GALERIA(FrmCap_InfoAdc, [] {
    QByteArray registro(TAM_PRODUTO, '0');
    registro.replace(OffProduto::TIPO, 2, "01");
    registro.replace(OffProduto::CODIGO, 4, "0001");
    QByteArray w = QByteArray("HDR01") + char(1) + char(0) + registro;
    DecodificaServicoW(reinterpret_cast<const unsigned char*>(w.constData()), size_t(w.size()), ServicoW);
    std::memcpy(Produto.dados, registro.constData(), TAM_PRODUTO);
    ServicoE.limpa();
    TDadosServicoE g;
    for (const QByteArray& q : {QuestaoGaleria("0010101", 1, 20, '0', '0', "NUMERO DO PEDIDO"),
                                QuestaoGaleria("0020101", 11, 11, '1', '3', "CPF DO COMPRADOR"),
                                QuestaoGaleria("0030101", 6, 8, '0', '5', "DATA DE ENTREGA"),
                                QuestaoGaleria("0040101", 1, 9, '0', '4', "VALOR DO FRETE")})
        g.produtos.push_back({q});
    g.quantidade = int(g.produtos.size());
    ServicoE.dados.push_back(g);
    ServicoE.quantidade = 1;
    TFrmCap_InfoAdc* f = TFrmCap_InfoAdc::Cria();
    f->ObtemDescricaoProdutos();
    return static_cast<QDialog*>(f);
})
KORA_REGISTRA_FORM(FrmCap_InfoAdc, TFrmCap_InfoAdc)
