#include "Confpreparceladakora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "capture/Filtroteclakora.h"
#include "framework/Controleskora.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmPar_Cnf* FrmPar_Cnf = nullptr;

TFrmPar_Cnf* TFrmPar_Cnf::Cria() { return TFrmMod::CriaForm<TFrmPar_Cnf>(); }

TFrmPar_Cnf::TFrmPar_Cnf(QWidget* parent) : TFrmCnf_Pre(parent) {
    setObjectName(QStringLiteral("FrmPar_Cnf"));
    Controles(this)
        .Rotulo(lbNumParcelas, "lbNumParcelas", pnCaptura, {263, 84, 148, 15},
                "Número de Parcelas:", Ctl::Direita | Ctl::Transparente)
        .Edicao(edNumParcelas, "edNumParcelas", pnCaptura, {440, 80, 41, 24}, {.max = 2, .foco = 23});
    OrdemTab({edValor, edTaxaEmbarque, edTaxaServico, edNumParcelas, edDataTransacao, edCodAutorizacao, edNumDocumento,
              edCodEmpresa, btConfirma, btRetorna});
}

bool TFrmPar_Cnf::FiltraEvento(QObject* obj, QEvent* ev) {
    if (obj == edNumParcelas && TeclaRecusada(ev)) return true;
    return TFrmCnf_Pre::FiltraEvento(obj, ev);
}

void TFrmPar_Cnf::IniciaCamposForm() {
    TFrmCnf_Pre::IniciaCamposForm();
    lbNumParcelas->setText(Mensagem(549));
    const QString parcelas = Campos::Le(CAMPO_QTD_PARCELAS).trimmed();
    edNumParcelas->setText(parcelas);
    edNumParcelas->setEnabled(parcelas.isEmpty());
    iMinParcelas = qMax(2, Campos::LeNumero(CAMPO_PARCELAS_MINIMO, 2));
    iMaxParcelas = Campos::LeNumero(CAMPO_PARCELAS_MAXIMO, 99);
}

bool TFrmPar_Cnf::ValidaCamposForm() { return TFrmCnf_Pre::ValidaCamposForm() && ValidaLimiteParcela(); }

bool TFrmPar_Cnf::ValidaLimiteParcela() {
    const QString texto = edNumParcelas->text().trimmed();
    const int mensagem = RecusaContagemParcelas(texto, iMinParcelas, iMaxParcelas);
    if (mensagem == 0) return true;
    CaixaMensagem(Mensagem(mensagem), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    pnCaptura->setEnabled(true);
    edNumParcelas->clear();
    // A count the host fixed cannot take the focus.
    if (texto.isEmpty() && !edNumParcelas->isEnabled()) return false;
    edNumParcelas->setEnabled(true);
    edNumParcelas->setFocus();
    return false;
}

bool TFrmPar_Cnf::GravaCamposPontal() {
    return TFrmCnf_Pre::GravaCamposPontal() && Campos::Grava(CAMPO_QTD_PARCELAS, edNumParcelas->text());
}
