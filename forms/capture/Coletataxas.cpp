#include "Coletataxas.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "debit/Conscdckora.h"
#include "debit/Datadigitadakora.h"
#include "debit/Debitovistakora.h"
#include "debit/Menudebitokora.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"
#include "transaction/Trnmodelokora.h"

#include <algorithm>
#include <QAbstractButton>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmColeta_Taxas* FrmColeta_Taxas = nullptr;

namespace Coletataxas {
// While true, Enter in an edit moves to the next control.
bool bControlaKeyPreview = true;
} // namespace Coletataxas

TFrmColeta_Taxas* TFrmColeta_Taxas::Cria() { return CriaForm<TFrmColeta_Taxas>(); }

TFrmColeta_Taxas::TFrmColeta_Taxas(QWidget* pai) : TFrmMod(pai) {
    setObjectName(QStringLiteral("FrmColeta_Taxas"));
    Controles(this)
        .Painel(pnCaptura, "pnCaptura", this, {24, 106, 580, 210}, Ctl::Rebaixado | Ctl::Cinza)
        .Rotulo(lbValor, "lbValor", pnCaptura, {30, 36, 150, 16}, "Valor:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edValor, "edValor", pnCaptura, {184, 32, 101, 24}, {.max = 12, .foco = 26, .valor = true})
        .Rotulo(lbTaxaEmbarque, "lbTaxaEmbarque", pnCaptura, {30, 86, 150, 16},
                "Taxa de Embarque:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edTaxaEmbarque, "edTaxaEmbarque", pnCaptura, {184, 82, 101, 24},
                {.max = 10, .foco = 2572, .valor = true})
        .Rotulo(lbTaxaServico, "lbTaxaServico", pnCaptura, {30, 136, 150, 16},
                "Taxa de Serviço:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edTaxaServico, "edTaxaServico", pnCaptura, {184, 132, 101, 24}, {.max = 10, .foco = 27, .valor = true})
        .Painel(pnBotoes, "pnBotoes", this, {111, 330, 400, 40}, Ctl::Cinza)
        .Botao(btConfirma, "btConfirma", pnBotoes, {31, 5, 121, 30}, "&1 - Confirma",
               {.foco = 46, .estilo = Ctl::Oculto})
        .Botao(btRetorna, "btRetorna", pnBotoes, {248, 5, 121, 30}, "&9 - Cancela", {.foco = 48});
    OrdemTab({edValor, edTaxaEmbarque, edTaxaServico, btConfirma, btRetorna});
    QObject::connect(btConfirma, &QPushButton::clicked, this, [this] { btConfirmaClick(); });
    QObject::connect(btRetorna, &QPushButton::clicked, this, [this] { btRetornaClick(); });
}

void TFrmColeta_Taxas::LigaEditValor(QLineEdit* ed) {
    if (!ed || editsValor_.contains(ed)) return;
    editsValor_ << ed;
    QObject::connect(ed, &QLineEdit::textChanged, this, [this, ed] { edValorChange(ed); });
}

void TFrmColeta_Taxas::FormCreate() {
    TFrmMod::FormCreate();
    btConfirma->setVisible(true);
    btRetorna->setVisible(true);
}

void TFrmColeta_Taxas::FormShow() {
    Coletataxas::bControlaKeyPreview = true;
    // Key preview: the form sees the keys of every control first.
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
    IniciaCamposForm();
    if (qobject_cast<QAbstractButton*>(focusWidget())) focusNextChild();
    TFrmMod::FormShow();
    for (QLineEdit* ed : {edValor, edTaxaEmbarque, edTaxaServico}) {
        if (ed->isEnabled() && ed->isVisible()) {
            ed->setFocus();
            break;
        }
    }
}

void TFrmColeta_Taxas::Habilita(bool habilita) {
    btConfirma->setEnabled(habilita);
    btRetorna->setEnabled(habilita);
    pnCaptura->setEnabled(habilita);
}

void TFrmColeta_Taxas::IniciaCamposForm() {
    Habilita(true);
    edTaxaEmbarque->clear();
    edTaxaServico->clear();
    lbValor->setText(Mensagem(546));
    lbTitulo->setText(Mensagem(2655));
    lbTaxaEmbarque->setText(Mensagem(2571));
    lbTaxaServico->setText(Mensagem(548));
    btConfirma->setText(Mensagem(553));
    btRetorna->setText(Mensagem(554));
    edTaxaServico->setEnabled(Produto.em(OffProduto::TAXA_SERVICO) == '1');
    edTaxaEmbarque->setEnabled(Produto.em(OffProduto::TAXA_EMBARQUE) == '1');
    lbTaxaServico->setEnabled(edTaxaServico->isEnabled());
    lbTaxaEmbarque->setEnabled(edTaxaEmbarque->isEnabled());
    // A parameter that is no number allows no percentage.
    taxaServicoProduto_ = std::max(0, Produto.numero(OffProduto::PARAM_TAXA_SERVICO, 2));
    const QString valor = Campos::Le(CAMPO_VALOR_TRANSACAO);
    if (!valor.isEmpty()) edValor->setText(Dollar(RemoveFormato(valor)));
    edValor->setEnabled(edValor->text().trimmed().isEmpty());
}

bool TFrmColeta_Taxas::ValidaCamposForm() {
    if (ValidaTaxaServico(edValor->text(), edTaxaServico->text(), taxaServicoProduto_)) return true;
    pnCaptura->setEnabled(true);
    CaixaMensagem(Mensagem(2610), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    if (edTaxaServico->isEnabled() && edTaxaServico->isVisible()) {
        edTaxaServico->clear();
        edTaxaServico->setFocus();
    }
    return false;
}

bool TFrmColeta_Taxas::GravaCamposPontal() {
    // Only the fees: the debit form that follows takes the amount itself.
    return Campos::Grava(CAMPO_TAXA_EMBARQUE, RemoveFormato(edTaxaEmbarque->text())) &&
           Campos::Grava(CAMPO_TAXA_SERVICO, RemoveFormato(edTaxaServico->text()));
}

void TFrmColeta_Taxas::btConfirmaClick() {
    Coletataxas::bControlaKeyPreview = false;
    Habilita(false);
    MostraMensagem(Mensagem(43));
    Plataforma::ProcessMessages();
    if (!ValidaCamposForm() || !GravaCamposPontal()) {
        Habilita(true);
        return;
    }

    const int tipo = Campos::LeNumero(CAMPO_TIPO_TRANSACAO_ESPECIAL);
    const char* nome = nullptr;
    bool criado = true;
    auto* pai = static_cast<QDialog*>(this);
    if (tipo == 1 || (tipo == 3 && Produto.tipo() == 4)) {
        nome = "FrmCon_ParAdm";
        criado = CriaExecutaForm<TFrmCon_ParAdm>(pai, FrmCon_ParAdm);
    } else if (tipo == 3 && Produto.em(OffProduto::AVISTA) == '1' && Produto.em(OffProduto::DEBITO_CDC) == '0' &&
               Produto.em(OffProduto::DEBITO_PREDATADO) == '0') {
        nome = "FrmVis_Deb";
        criado = CriaExecutaForm<TFrmVis_Deb>(pai, FrmVis_Deb);
    } else if (tipo == 3) {
        nome = "FrmDeb_Mnu";
        criado = CriaExecutaForm<TFrmDeb_Mnu>(pai, FrmDeb_Mnu);
    }
    if (!criado) CaixaMensagem(FormataMensagem(Mensagem(802), nome), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    // An OK from the child has closed this form as well.
    if (result() != 0) return;
    Habilita(true);
    Coletataxas::bControlaKeyPreview = true;
    btConfirma->setFocus();
    MostraMensagem(Mensagem(46));
}

void TFrmColeta_Taxas::btRetornaClick() { FechaForm(mrCancel); }

bool TFrmColeta_Taxas::FormKeyPress(char tecla) {
    bool engolida = false;
    if (Coletataxas::bControlaKeyPreview && ValKeyBoard(tecla) == 13 &&
        !qobject_cast<QAbstractButton*>(focusWidget())) {
        focusNextChild();
        engolida = true;
    }
    Coletataxas::bControlaKeyPreview = true;
    return engolida;
}

bool TFrmColeta_Taxas::edValorKeyPress(QLineEdit* ed, char tecla) {
    tecla = ValKeyBoard(tecla);
    if (tecla == ',' || tecla == '.') {
        const QChar sep = SeparadorDecimal();
        if (!ed->text().contains(sep)) ed->insert(QString(sep));
        return true;
    }
    return !(tecla == 8 || tecla == 13 || (tecla >= '0' && tecla <= '9'));
}

void TFrmColeta_Taxas::edValorChange(QLineEdit* ed) {
    if (formatando_ || ed->text().isEmpty()) return;
    formatando_ = true;
    const QString formatado = Dollar(RemoveFormato(ed->text()));
    if (formatado != ed->text()) ed->setText(formatado);
    ed->setCursorPosition(int(ed->text().size()));
    formatando_ = false;
}

bool TFrmColeta_Taxas::FiltraEvento(QObject* obj, QEvent* ev) {
    if (ev->type() == QEvent::KeyPress && obj->isWidgetType() && static_cast<QWidget*>(obj)->window() == this) {
        const char c = CaractereTecla(static_cast<QKeyEvent*>(ev));
        if (c != 0) {
            if (FormKeyPress(c)) return true;
            auto* ed = qobject_cast<QLineEdit*>(obj);
            if (ed && editsValor_.contains(ed) && edValorKeyPress(ed, c)) return true;
        }
    }
    return TFrmMod::FiltraEvento(obj, ev);
}

// Both fees on a sale of R$ 320,00.
static QDialog* FormGaleriaColetaTaxas() {
    Produto.limpa();
    std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
    Produto.dados[OffProduto::TAXA_SERVICO] = '1';
    Produto.dados[OffProduto::TAXA_EMBARQUE] = '1';
    Produto.dados[OffProduto::PARAM_TAXA_SERVICO] = '1';
    if (!Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("32000"))) return nullptr;
    return TFrmColeta_Taxas::Cria();
}
KORA_REGISTRA_GALERIA(FrmColeta_Taxas, FormGaleriaColetaTaxas)
KORA_REGISTRA_FORM(FrmColeta_Taxas, TFrmColeta_Taxas)
