#include "Creditoparceladokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "capture/Filtroteclakora.h"
#include "framework/Controleskora.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmPar_Crd* FrmPar_Crd = nullptr;

TFrmPar_Crd* TFrmPar_Crd::Cria() { return TFrmMod::CriaForm<TFrmPar_Crd>(); }

TFrmPar_Crd::TFrmPar_Crd(QWidget* parent) : TFrmCrd_Trn(parent) {
    setObjectName(QStringLiteral("FrmPar_Crd"));
    // No member takes a down payment: its edit stays hidden.
    Controles(this)
        .Rotulo(lbNumParcelas, "lbNumParcelas", pnCaptura, {8, 132, 130, 15},
                "Número de Parcelas:", Ctl::Direita | Ctl::Transparente)
        .Edicao(edNumParcelas, "edNumParcelas", pnCaptura, {144, 128, 41, 24}, {.max = 2, .foco = 23})
        .Rotulo(lbValorEntrada, "lbValorEntrada", pnCaptura, {303, 84, 108, 15},
                "Valor da Entrada:", Ctl::Direita | Ctl::Transparente | Ctl::Oculto)
        .Edicao(edValorEntrada, "edValorEntrada", pnCaptura, {440, 80, 101, 24},
                {.max = 12, .foco = 30, .valor = true, .estilo = Ctl::Oculto});
    OrdemTab({edValor, edTaxaEmbarque, edTaxaServico, edNumParcelas, edValorEntrada, btConfirma, btRetorna});
}

bool TFrmPar_Crd::FiltraEvento(QObject* obj, QEvent* ev) {
    if (obj == edNumParcelas && TeclaRecusada(ev)) return true;
    return TFrmCrd_Trn::FiltraEvento(obj, ev);
}

void TFrmPar_Crd::DefineMaximoProduto(int offset) {
    const int n = Produto.numero(offset, 2);
    iMaxParcelas = n < 0 ? 99 : n;
}

void TFrmPar_Crd::IniciaCamposForm() {
    TFrmCrd_Trn::IniciaCamposForm();
    edNumParcelas->clear();
    edValorEntrada->clear();
    lbNumParcelas->setText(Mensagem(549));
    lbValorEntrada->hide();
    edValorEntrada->hide();
    // A count the caller fixed cannot be changed.
    const QString parcelas = Campos::Le(CAMPO_QTD_PARCELAS).trimmed();
    edNumParcelas->setText(parcelas);
    edNumParcelas->setEnabled(parcelas.isEmpty());
    iMinParcelas = qMax(2, Campos::LeNumero(CAMPO_PARCELAS_MINIMO, 2));
    iMaxParcelas = 99;
}

bool TFrmPar_Crd::ValidaCamposForm() { return TFrmCrd_Trn::ValidaCamposForm() && ValidaLimiteParcela(); }

bool TFrmPar_Crd::ValidaLimiteParcela() {
    const int mensagem = RecusaContagemParcelas(edNumParcelas->text(), iMinParcelas, iMaxParcelas);
    if (mensagem == 0) return true;
    CaixaMensagem(Mensagem(mensagem), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    pnCaptura->setEnabled(true);
    edNumParcelas->setEnabled(true);
    edNumParcelas->clear();
    edNumParcelas->setFocus();
    return false;
}

bool TFrmPar_Crd::GravaCamposPontal() {
    if (!Campos::Grava(CAMPO_QTD_PARCELAS, edNumParcelas->text())) return false;
    return TFrmCrd_Trn::GravaCamposPontal();
}
