#include "Debitoparceladokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Datadigitadakora.h"
#include "bromo.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"
#include "framework/Menumodelokora.h"

#include <algorithm>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmPar_Deb* FrmPar_Deb = nullptr;

TFrmPar_Deb* TFrmPar_Deb::Cria() { return TFrmMod::CriaForm<TFrmPar_Deb>(); }

TFrmPar_Deb::TFrmPar_Deb(QWidget* parent) : TFrmDeb_Trn(parent) {
    setObjectName(QStringLiteral("FrmPar_Deb"));
    Controles(this)
        .Rotulo(lbNumParcelas, "lbNumParcelas", pnCaptura, {4, 75, 146, 15},
                "Número de Parcelas: ", Ctl::Direita | Ctl::Destaque)
        .Edicao(edNumParcelas, "edNumParcelas", pnCaptura, {154, 70, 30, 24}, {.max = 2});
    OrdemTab({edValor, edValorSaque, edNumParcelas, btConfirma, btRetorna});
    LigaEntrada(edNumParcelas, [this] { edNumParcelasEnter(); });
    EditsFiltrados << edNumParcelas;
}

void TFrmPar_Deb::IniciaCamposForm() {
    TFrmDeb_Trn::IniciaCamposForm();
    edNumParcelas->clear();
    edNumParcelas->setEnabled(true);
    lbNumParcelas->setText(Mensagem(549));
    // A count the caller fixed cannot be changed; one this module wrote on an
    // earlier try within the same menu visit is the operator's.
    const QString fixada = Campos::Le(CAMPO_QTD_PARCELAS).trimmed();
    if (!fixada.isEmpty() && !ParcelasIntPosVazia) {
        edNumParcelas->setText(fixada);
        edNumParcelas->setEnabled(false);
    }
    MinimoParcelas = std::max(2, Campos::LeNumero(CAMPO_PARCELAS_MINIMO, 2));
    MaximoParcelas = Campos::LeNumero(CAMPO_PARCELAS_MAXIMO, 99);
}

bool TFrmPar_Deb::ValidaCamposForm() { return TFrmDeb_Trn::ValidaCamposForm() && ValidaLimiteParcela(); }

void TFrmPar_Deb::RecusaEdicao(int mensagem, QLineEdit* ed) {
    CaixaMensagem(Mensagem(mensagem), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    pnCaptura->setEnabled(true);
    ed->setEnabled(true);
    DataDigitada::Limpa(ed);
    ed->setFocus();
}

bool TFrmPar_Deb::ValidaLimiteParcela() {
    const QString texto = edNumParcelas->text().trimmed();
    if (texto.isEmpty()) {
        pnCaptura->setEnabled(true);
        CaixaMensagem(Mensagem(1177), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
        if (edNumParcelas->isEnabled() && edNumParcelas->isVisible()) {
            edNumParcelas->clear();
            edNumParcelas->setFocus();
        }
        return false;
    }
    const int mensagem = RecusaContagemParcelas(texto, MinimoParcelas, MaximoParcelas);
    if (mensagem != 0) RecusaEdicao(mensagem, edNumParcelas);
    return mensagem == 0;
}

bool TFrmPar_Deb::GravaCamposPontal() {
    if (!TFrmTrn_Mod::GravaCamposPontal()) return false;
    if (Campos::Le(CAMPO_QTD_PARCELAS).trimmed().isEmpty()) ParcelasIntPosVazia = true;
    return Campos::Grava(CAMPO_QTD_PARCELAS, edNumParcelas->text());
}

void TFrmPar_Deb::edNumParcelasEnter() { MostraMensagem(Mensagem(23)); }

bool TFrmPar_Deb::edNumParcelasKeyPress(char& tecla) {
    tecla = ValKeyBoard(tecla);
    return !(tecla == 8 || tecla == 13 || (tecla >= '0' && tecla <= '9'));
}

bool TFrmPar_Deb::FiltraTecla(QObject* obj, char& tecla) {
    if (obj == edNumParcelas) return edNumParcelasKeyPress(tecla);
    return false;
}

bool TFrmPar_Deb::FiltraEvento(QObject* obj, QEvent* ev) {
    if (ev->type() == QEvent::KeyPress && EditsFiltrados.contains(obj)) {
        char c = CaractereTecla(static_cast<QKeyEvent*>(ev));
        if (c != 0) return FormKeyPress(c) || FiltraTecla(obj, c);
    }
    return TFrmDeb_Trn::FiltraEvento(obj, ev);
}

// An instalment debit of R$ 600,00.
static QDialog* FormGaleriaParDeb() {
    if (!Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("60000"))) return nullptr;
    Campos::Limpa(CAMPO_QTD_PARCELAS);
    return TFrmPar_Deb::Cria();
}
KORA_REGISTRA_GALERIA(FrmPar_Deb, FormGaleriaParDeb)
KORA_REGISTRA_FORM(FrmPar_Deb, TFrmPar_Deb)
