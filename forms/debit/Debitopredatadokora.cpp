#include "Debitopredatadokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Datadigitadakora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"
#include "transaction/Descritoreskora.h"

#include <algorithm>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmPrd_Deb* FrmPrd_Deb = nullptr;

namespace {
bool PedeGarantia() { return Produto.em(OffProduto::GARANTIA_PREDATADO) == '1'; }
} // namespace

TFrmPrd_Deb* TFrmPrd_Deb::Cria() { return TFrmMod::CriaForm<TFrmPrd_Deb>(); }

TFrmPrd_Deb::TFrmPrd_Deb(QWidget* parent) : TFrmDeb_Trn(parent) {
    setObjectName(QStringLiteral("FrmPrd_Deb"));
    Controles(this)
        .Rotulo(lbDataPrd, "lbDataPrd", pnCaptura, {30, 80, 100, 15}, "Bom para:", Ctl::Direita | Ctl::Destaque)
        .Mascara(edDataPrd, "edDataPrd", pnCaptura, {154, 75, 102, 24}, "99/99/9999;_")
        .Rotulo(lbTipoGarantia, "lbTipoGarantia", pnCaptura, {30, 130, 100, 15},
                "Garantia:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edTipoGarantia, "edTipoGarantia", pnCaptura, {154, 125, 25, 24}, {.max = 1})
        .Rotulo(lbComSemGarantia, "lbComSemGarantia", pnCaptura, {190, 130, 300, 15},
                "(1-Com Garantia, 2-Sem Garantia)");
    OrdemTab({edValor, edValorSaque, edDataPrd, edTipoGarantia, btConfirma, btRetorna});
    LigaEntrada(edTipoGarantia, [this] { edTipoGarantiaEnter(); });
    LigaEntrada(edDataPrd, [this] { edDataPrdEnter(); });
}

void TFrmPrd_Deb::FormCreate() { TFrmTrn_Mod::FormCreate(); }

void TFrmPrd_Deb::IniciaCamposForm() {
    TFrmDeb_Trn::IniciaCamposForm();
    DataDigitada::Limpa(edDataPrd);
    edTipoGarantia->clear();
    lbTitulo->setText(Mensagem(426));
    lbDataPrd->setText(Mensagem(2599));
    lbTipoGarantia->setText(Mensagem(2600));
    lbComSemGarantia->setText(Mensagem(2601));
    // No withdrawal on a pre-dated debit.
    edValorSaque->setEnabled(false);
    lbValorSaque->hide();
    edValorSaque->hide();
    lbNomeIssuer->hide();
    edTipoGarantia->setEnabled(PedeGarantia());
    if (PedeGarantia()) edTipoGarantia->setText(QStringLiteral("1"));
}

bool TFrmPrd_Deb::ValidaCamposForm() {
    if (!TFrmDeb_Trn::ValidaCamposForm()) return false;
    if (!ValidaPreDatado()) return false;
    if (edTipoGarantia->text().trimmed().isEmpty() && PedeGarantia()) {
        CaixaMensagem(Mensagem(798), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
        pnCaptura->setEnabled(true);
        edTipoGarantia->setEnabled(true);
        edTipoGarantia->setText(QStringLiteral("1"));
        edTipoGarantia->setFocus();
        return false;
    }
    return true;
}

bool TFrmPrd_Deb::ValidaPreDatado() {
    const QDate hoje = DataDigitada::Hoje();
    const QDate d = DataDigitada::Le(edDataPrd->text());
    int recusa = 0;
    if (!d.isValid() || d <= hoje.addDays(1) || edDataPrd->text().trimmed().size() < 10) {
        recusa = 787;
    } else {
        const QDate limite = DataDigitada::Limite(Produto.numero(OffProduto::DIAS_MAX_PREDATADO, 4));
        if (!limite.isValid() || d > limite) recusa = 323;
    }
    if (recusa == 0) return true;
    pnCaptura->setEnabled(true);
    CaixaMensagem(Mensagem(recusa), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    if (edDataPrd->isEnabled() && edDataPrd->isVisible()) {
        DataDigitada::Limpa(edDataPrd);
        edDataPrd->setFocus();
    }
    return false;
}

bool TFrmPrd_Deb::GravaCamposPontal() {
    if (!TFrmTrn_Mod::GravaCamposPontal()) return false;
    const QString garantia = edTipoGarantia->text().trimmed();
    if (!garantia.isEmpty() && !Campos::Grava(CAMPO_GARANTIA_PREDATADO, garantia)) return false;
    const QString d = RemoveFormato(edDataPrd->text());
    if (!d.isEmpty()) {
        if (!Campos::Grava(CAMPO_DATA_PREDATADO, d)) return false;
        // The request carries the date as YYYYMMDD behind its tag.
        DefineDataPreCDCDebito(("019:" + d.mid(4, 4) + d.mid(2, 2) + d.mid(0, 2)).toLatin1());
    }
    if (!Campos::Grava(CAMPO_CODIGO_TIPO_TRANSACAO, QStringLiteral("34"))) return false;
    // Nothing of an instalment plan travels with a pre-dated debit.
    Campos::Limpa(CAMPO_QTD_PARCELAS);
    Campos::Limpa(CAMPO_VALOR_PRIMEIRA_PARCELA);
    Campos::Limpa(CAMPO_VALOR_ENTRADA);
    return true;
}

bool TFrmPrd_Deb::edTipoGarantiaKeyPress(char& tecla) {
    tecla = ValKeyBoard(tecla);
    return !(tecla == '1' || tecla == '2' || tecla == 8 || tecla == 127);
}

void TFrmPrd_Deb::edTipoGarantiaEnter() { MostraMensagem(Mensagem(29)); }

void TFrmPrd_Deb::edDataPrdEnter() {
    MostraMensagem(Mensagem(2602));
    if (!DataDigitada::TemDigitos(edDataPrd->text())) edDataPrd->setCursorPosition(0);
}

bool TFrmPrd_Deb::FiltraEvento(QObject* obj, QEvent* ev) {
    if (obj == edTipoGarantia && ev->type() == QEvent::KeyPress) {
        char c = CaractereTecla(static_cast<QKeyEvent*>(ev));
        if (c != 0) return FormKeyPress(c) || edTipoGarantiaKeyPress(c);
    }
    return TFrmDeb_Trn::FiltraEvento(obj, ev);
}

// A pre-dated debit of R$ 250,00 on a product that asks for the guarantee.
static QDialog* FormGaleriaPrdDeb() {
    Produto.limpa();
    std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
    Produto.dados[OffProduto::GARANTIA_PREDATADO] = '1';
    const QByteArray dias = "0030";
    std::copy(dias.begin(), dias.end(), Produto.dados + OffProduto::DIAS_MAX_PREDATADO);
    if (!Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("25000"))) return nullptr;
    return TFrmPrd_Deb::Cria();
}
KORA_REGISTRA_GALERIA(FrmPrd_Deb, FormGaleriaPrdDeb)
KORA_REGISTRA_FORM(FrmPrd_Deb, TFrmPrd_Deb)
