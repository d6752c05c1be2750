#include "capture/Capturaprodutoslojista.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "capture/Capturacomum.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <cstring>

std::vector<TListaProdutoLojista> ListaProdutosLojista;
std::vector<Captura::TItemEnvio> ProdutosLojista;
TFrmCap_ProdLoj* FrmCap_ProdLoj = nullptr;

using namespace CapturaComum;

namespace {

bool Enter(const QKeyEvent* ev) { return ev->key() == Qt::Key_Return || ev->key() == Qt::Key_Enter; }

bool VazioOuZero(const QString& digitos) {
    if (digitos.trimmed().isEmpty()) return true;
    for (QChar c : digitos)
        if (c != QLatin1Char('0')) return false;
    return true;
}

QString SemZerosAEsquerda(const QByteArray& digitos) {
    const QString d = QString::fromLatin1(digitos).trimmed();
    if (d.isEmpty()) return d;
    bool ok = false;
    const qulonglong v = d.toULongLong(&ok);
    return ok ? QString::number(v) : d;
}

} // namespace

TFrmCap_ProdLoj::TFrmCap_ProdLoj(QWidget* pai) : TFrmMod(pai) {
    setObjectName(QStringLiteral("FrmCap_ProdLoj"));

    Controles(this)
        .Painel(pnCaptura, "pnCaptura", this, {21, 106, 580, 210}, Ctl::Rebaixado, COR_PAINEL)
        .Combo(cbProdutos, "cbProdutos", pnCaptura, {136, 22, 401, 24})
        .Rotulo(lbProduto, "lbProduto", pnCaptura, {20, 26, 108, 15}, "Produto:", Ctl::Direita)
        .Rotulo(lbQuantidade, "lbQuantidade", pnCaptura, {20, 85, 108, 15}, "QTDE:", Ctl::Direita)
        .Edicao(edQuantidade, "edQuantidade", pnCaptura, {136, 81, 101, 24}, {.max = 6})
        .Rotulo(lbValorUnitario, "lbValorUnitario", pnCaptura, {316, 84, 112, 15}, "VL. UNIT.:", Ctl::Direita)
        .Edicao(edValorUnitario, "edValorUnitario", pnCaptura, {436, 80, 121, 24}, {.max = 12})
        .Rotulo(lbImposto, "lbImposto", pnCaptura, {20, 133, 108, 15}, "% IMPOSTO:", Ctl::Direita)
        .Edicao(edImposto, "edImposto", pnCaptura, {136, 129, 101, 24}, {.max = 6})
        .Rotulo(lbValorTotal, "lbValorTotal", pnCaptura, {316, 132, 112, 15}, "TOTAL:", Ctl::Direita)
        .Edicao(edValorTotal, "edValorTotal", pnCaptura, {436, 128, 121, 24}, {.max = 12, .estilo = Ctl::SoLeitura})
        .Rotulo(lbUnidade, "lbUnidade", pnCaptura, {246, 85, 60, 15}, "Unid")
        // Made after the capture panel: the buttons come last when tabbing.
        .Painel(pnBotoes, "pnBotoes", this, {111, 330, 400, 40}, Ctl::Oculto, COR_PAINEL)
        .Botao(btConfirma, "btConfirma", pnBotoes, {31, 4, 121, 33}, "&1 - Confirma", {.estilo = BOTAO})
        .Botao(btRetorna, "btRetorna", pnBotoes, {248, 4, 121, 33}, "&9 - Cancela", {.estilo = BOTAO});

    for (QWidget* w :
         {static_cast<QWidget*>(cbProdutos), static_cast<QWidget*>(edQuantidade),
          static_cast<QWidget*>(edValorUnitario), static_cast<QWidget*>(edImposto), static_cast<QWidget*>(edValorTotal),
          static_cast<QWidget*>(btConfirma), static_cast<QWidget*>(btRetorna)})
        w->installEventFilter(this);
    Liga(cbProdutos, &QComboBox::currentIndexChanged, [this] { cbProdutosChange(); });
    for (QLineEdit* ed : {edValorUnitario, edImposto}) Liga(ed, &QLineEdit::textChanged, [ed] { FormataValor(ed); });
    Liga(btConfirma, &QPushButton::clicked, [this] { btConfirmaClick(); });
    Liga(btRetorna, &QPushButton::clicked, [this] { btRetornaClick(); });
}

TFrmCap_ProdLoj* TFrmCap_ProdLoj::Cria() { return CriaForm<TFrmCap_ProdLoj>(); }

void TFrmCap_ProdLoj::FormCreate() {
    TFrmMod::FormCreate();
    pnBotoes->setVisible(true);
    btConfirma->setVisible(true);
    btRetorna->setVisible(true);
    lbTitulo->setText(Mensagem(2584));
    lbQuantidade->setText(Mensagem(2585));
    lbValorUnitario->setText(Mensagem(1281));
    lbImposto->setText(Mensagem(2586));
    lbValorTotal->setText(Mensagem(2587));
    btConfirma->setText(Mensagem(553));
    btRetorna->setText(Mensagem(554));
}

bool TFrmCap_ProdLoj::DisponibilizaProdutosLojistaSelecao() {
    {
        const QSignalBlocker bloqueio(cbProdutos);
        cbProdutos->clear();
    }
    ListaProdutosLojista.clear();
    bens_.clear();
    const int n = ServicoL.quantidade;
    if (n <= 0) return false;
    const int i = ProcuraEntradaServicoW();
    if (i < 0 || i >= n || i >= int(ServicoL.itens.size())) return false;
    const TDadosServicoL& item = ServicoL.itens[size_t(i)];
    if (item.codigo != 1) return false;
    const int quantidade = qMin(item.quantidade, int(item.produtos.size()));
    const QSignalBlocker bloqueio(cbProdutos);
    for (int j = 0; j < quantidade; ++j) {
        Captura::TProdutoLojista bem;
        if (!Captura::DecodificaProdutoLojista(item.produtos[size_t(j)].dados, 0, bem)) continue;
        QByteArray descricao = bem.descricao;
        while (!descricao.isEmpty() && (descricao.back() == ' ' || descricao.back() == '\0')) descricao.chop(1);
        cbProdutos->addItem(QString::fromLatin1(bem.codigo) + QStringLiteral(" - ") + QString::fromLatin1(descricao));
        TListaProdutoLojista r;
        r.linha = cbProdutos->count() - 1;
        r.item = i;
        r.produto = j;
        ListaProdutosLojista.push_back(r);
        bens_.push_back(bem);
    }
    cbProdutos->setCurrentIndex(-1);
    return cbProdutos->count() > 0;
}

const Captura::TProdutoLojista* TFrmCap_ProdLoj::BemSelecionado() const {
    const int i = cbProdutos->currentIndex();
    return (i >= 0 && i < int(bens_.size())) ? &bens_[size_t(i)] : nullptr;
}

TListaProdutoLojista* TFrmCap_ProdLoj::RegistroSelecionado() {
    const int i = cbProdutos->currentIndex();
    return (i >= 0 && i < int(ListaProdutosLojista.size())) ? &ListaProdutosLojista[size_t(i)] : nullptr;
}

void TFrmCap_ProdLoj::Dica(int mensagem) {
    MostraMensagem(Mensagem(mensagem) + QStringLiteral(" / ") + Mensagem(1449));
}

void TFrmCap_ProdLoj::IniciaCamposForm() {
    btConfirma->setEnabled(false);
    btRetorna->setEnabled(true);
    pnCaptura->setEnabled(true);
    DesabilitaCampos();
    lbUnidade->clear();
}

void TFrmCap_ProdLoj::FormShow() {
    IniciaCamposForm();
    if (qobject_cast<QPushButton*>(focusWidget())) focusNextChild();
    TFrmMod::FormShow();
    FiguraEnter(cbProdutos);
}

void TFrmCap_ProdLoj::DesabilitaCampos() {
    cbProdutos->setCurrentIndex(-1);
    for (QLineEdit* ed : {edQuantidade, edValorUnitario, edImposto, edValorTotal}) {
        ed->clear();
        ed->setEnabled(false);
    }
    for (QLabel* lb : {lbQuantidade, lbValorUnitario, lbImposto, lbValorTotal}) lb->setEnabled(false);
    btConfirma->setEnabled(false);
    cbProdutos->setFocus();
    Dica(939);
}

void TFrmCap_ProdLoj::cbProdutosChange() {
    const Captura::TProdutoLojista* bem = BemSelecionado();
    if (!bem) {
        Dica(939);
        return;
    }
    Dica(2588);
    for (QLineEdit* ed : {edQuantidade, edValorUnitario, edImposto, edValorTotal}) ed->clear();
    TrataMapaBits(bem->mapa);
    VerificaProdutosGravados();
}

void TFrmCap_ProdLoj::TrataMapaBits(char c) {
    const QByteArray mapa = MapaBits(c);
    const struct {
        int posicao;
        QLineEdit* ed;
        QLabel* lb;
    } figuras[] = {{Captura::MAPA_QUANTIDADE, edQuantidade, lbQuantidade},
                   {Captura::MAPA_UNITARIO, edValorUnitario, lbValorUnitario},
                   {Captura::MAPA_IMPOSTO, edImposto, lbImposto},
                   {Captura::MAPA_TOTAL, edValorTotal, lbValorTotal}};
    for (const auto& f : figuras) {
        const bool sim = Captura::MapaHabilita(mapa, f.posicao);
        f.ed->setEnabled(sim);
        f.lb->setEnabled(sim);
    }
    const Captura::TProdutoLojista* bem = BemSelecionado();
    lbUnidade->setText(bem && edQuantidade->isEnabled() ? QString::fromLatin1(bem->unidade) : QString());
}

void TFrmCap_ProdLoj::VerificaProdutosGravados() {
    const TListaProdutoLojista* r = RegistroSelecionado();
    if (!r || !r->entrada.gravado) return;
    edQuantidade->setText(SemZerosAEsquerda(r->entrada.quantidade));
    edValorUnitario->setText(TextoValor(QString::fromLatin1(r->entrada.valorUnitario)));
    edImposto->setText(TextoValor(QString::fromLatin1(r->entrada.imposto)));
    edValorTotal->setText(TextoValor(QString::fromLatin1(r->entrada.valorTotal)));
}

void TFrmCap_ProdLoj::CalculaValorTotal() {
    if (edQuantidade->text().isEmpty() || edValorUnitario->text().isEmpty()) return;
    const QString total = Captura::CalculaTotal(edQuantidade->text(), SoDigitos(edValorUnitario->text()));
    if (!total.isEmpty()) edValorTotal->setText(TextoValor(total));
}

void TFrmCap_ProdLoj::ValidaCamposProduto() {
    QWidget* foco = focusWidget();
    for (QLineEdit* ed : {edQuantidade, edValorUnitario, edImposto}) {
        if (foco != ed) continue;
        const QString digitos = ed == edQuantidade ? ed->text().trimmed() : SoDigitos(ed->text());
        if (VazioOuZero(digitos)) {
            ed->setFocus();
            return;
        }
    }
    GravaProdutosLojista();
    DesabilitaCampos();
}

void TFrmCap_ProdLoj::GravaProdutosLojista() {
    TListaProdutoLojista* r = RegistroSelecionado();
    if (!r) return;
    r->entrada.gravado = true;
    if (edQuantidade->isEnabled()) r->entrada.quantidade = Captura::PreencheZeros(edQuantidade->text().trimmed(), 6);
    if (edValorUnitario->isEnabled())
        r->entrada.valorUnitario = Captura::PreencheZeros(SoDigitos(edValorUnitario->text()), 10);
    if (edImposto->isEnabled()) r->entrada.imposto = Captura::PreencheZeros(SoDigitos(edImposto->text()), 6);
    if (edValorTotal->isEnabled()) r->entrada.valorTotal = Captura::PreencheZeros(SoDigitos(edValorTotal->text()), 10);
}

bool TFrmCap_ProdLoj::GravaCamposPontal() {
    ProdutosLojista.clear();
    for (size_t k = 0; k < ListaProdutosLojista.size(); ++k) {
        const TListaProdutoLojista& r = ListaProdutosLojista[k];
        if (!r.entrada.gravado || r.item < 0 || r.item >= int(ServicoL.itens.size())) continue;
        const TDadosServicoL& item = ServicoL.itens[size_t(r.item)];
        Captura::TItemEnvio e;
        e.flagItem = item.flag;
        e.quatroItem = item.reservado;
        e.produto = bens_[k];
        e.entrada = r.entrada;
        ProdutosLojista.push_back(e);
    }
    if (ProdutosLojista.empty()) return true;
    return Campos::GravaBytes(CAMPO_PRODUTOS_LOJISTA, Captura::MontaCampoProdutosLojista(ProdutosLojista));
}

void TFrmCap_ProdLoj::btConfirmaClick() {
    if (!GravaCamposPontal()) return;
    pnCaptura->setEnabled(false);
    btConfirma->setEnabled(false);
    btRetorna->setEnabled(false);
    lbMensagem->setText(Mensagem(43));
    FechaForm(mrCancel);
}

void TFrmCap_ProdLoj::btRetornaClick() { FechaForm(mrOk); }

bool TFrmCap_ProdLoj::ProximaFigura(std::initializer_list<QLineEdit*> seguintes) {
    for (QLineEdit* ed : seguintes) {
        if (ed->isEnabled()) {
            ed->setFocus();
            return true;
        }
    }
    return false;
}

void TFrmCap_ProdLoj::FiguraEnter(QObject* obj) {
    if (obj == cbProdutos) {
        MostraMensagem(Mensagem(939) + QLatin1Char(' ') + Mensagem(1075) + QStringLiteral(" / ") + Mensagem(1449));
    } else if (obj == edQuantidade) {
        Dica(1450);
    } else if (obj == edValorUnitario) {
        Dica(2589);
    } else if (obj == edImposto) {
        Dica(2590);
    } else if (obj == edValorTotal) {
        Dica(1460);
    } else if (obj == btConfirma) {
        Dica(46);
    } else if (obj == btRetorna) {
        Dica(48);
    }
}

bool TFrmCap_ProdLoj::cbProdutosKeyPress(QKeyEvent* ev) {
    if (Enter(ev)) {
        if (cbProdutos->currentIndex() < 0) {
            btConfirma->setEnabled(true);
            btConfirma->setFocus();
        } else {
            focusNextChild();
        }
        return true;
    }
    const QString t = ev->text();
    if (t == QLatin1String("2")) {
        if (cbProdutos->currentIndex() + 1 < cbProdutos->count())
            cbProdutos->setCurrentIndex(cbProdutos->currentIndex() + 1);
        return true;
    }
    if (t == QLatin1String("8")) {
        if (cbProdutos->currentIndex() > 0) cbProdutos->setCurrentIndex(cbProdutos->currentIndex() - 1);
        return true;
    }
    return false;
}

bool TFrmCap_ProdLoj::FiguraKeyPress(QLineEdit* ed, QKeyEvent* ev) {
    if (Enter(ev)) {
        if (ed == edQuantidade) {
            if (!ProximaFigura({edValorUnitario, edImposto, edValorTotal})) ValidaCamposProduto();
        } else if (ed == edValorUnitario) {
            CalculaValorTotal();
            if (!ProximaFigura({edImposto, edValorTotal})) ValidaCamposProduto();
        } else if (ed == edImposto) {
            CalculaValorTotal();
            if (!ProximaFigura({edValorTotal})) ValidaCamposProduto();
        } else {
            ValidaCamposProduto();
        }
        return true;
    }
    if (ev->key() == Qt::Key_Backspace) return false;
    const QString t = ev->text();
    // Navigation and editing keys stay the edit's own.
    if (t.isEmpty() || t.at(0).unicode() < 32 || t.at(0).unicode() > 255) return false;
    const QChar c = QLatin1Char(TraduzTecla(char(t.at(0).toLatin1())));
    if (c.isNull()) return true;
    const bool digito = c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (ed == edQuantidade) return !digito;
    if (ed == edValorUnitario || ed == edImposto) {
        if (digito) return false;
        if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            if (!ed->text().contains(SeparadorDecimal())) ed->insert(SeparadorDecimal());
        }
        return true;
    }
    return true;
}

bool TFrmCap_ProdLoj::FiltraEvento(QObject* obj, QEvent* ev) {
    if (ev->type() == QEvent::FocusIn) {
        FiguraEnter(obj);
    } else if (ev->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(ev);
        if (k->key() == Qt::Key_Escape) {
            DesabilitaCampos();
            return true;
        }
        if (obj == cbProdutos) {
            if (cbProdutosKeyPress(k)) return true;
        } else if (auto* ed = qobject_cast<QLineEdit*>(obj)) {
            if (FiguraKeyPress(ed, k)) return true;
        }
    }
    return TFrmMod::FiltraEvento(obj, ev);
}

void TFrmCap_ProdLoj::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        DesabilitaCampos();
        e->accept();
        return;
    }
    TFrmMod::keyPressEvent(e);
}

// ---- Gallery ----------------------------------------------------------------------

KORA_REGISTRA_GALERIA(FrmCap_ProdLoj, [] {
    QByteArray registro(TAM_PRODUTO, '0');
    registro.replace(OffProduto::TIPO, 2, "01");
    registro.replace(OffProduto::CODIGO, 4, "0001");
    QByteArray w = QByteArray("HDR01") + char(1) + char(0) + registro;
    DecodificaServicoW(reinterpret_cast<const unsigned char*>(w.constData()), size_t(w.size()), ServicoW);
    std::memcpy(Produto.dados, registro.constData(), TAM_PRODUTO);
    ServicoL.limpa();
    TDadosServicoL item;
    item.codigo = 1;
    item.flag = '1';
    item.reservado = "0001";
    const char* bens[] = {"0101UN  \xF0"
                          "ARROZ TIPO 1 5KG",
                          "0102KG  \xB0"
                          "CAFE TORRADO",
                          "0103LT  \x80"
                          "OLEO DE SOJA"};
    for (const char* b : bens) item.produtos.push_back({QByteArray(b).leftJustified(TAM_PRODUTO_LOJISTA, ' ')});
    item.quantidade = int(item.produtos.size());
    ServicoL.itens.push_back(item);
    ServicoL.quantidade = 1;
    TFrmCap_ProdLoj* f = TFrmCap_ProdLoj::Cria();
    f->DisponibilizaProdutosLojistaSelecao();
    return static_cast<QDialog*>(f);
})
KORA_REGISTRA_FORM(FrmCap_ProdLoj, TFrmCap_ProdLoj)
