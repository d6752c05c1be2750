#include "Debitoparcadmkora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Datadigitadakora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"
#include "transaction/Descritoreskora.h"

#include <algorithm>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmAdm_DebPar* FrmAdm_DebPar = nullptr;

namespace {
bool Permite(int offset) { return Produto.em(offset) == '1'; }

// An amount as typed or stored, in cents; 0 when empty or not a number.
qlonglong Centavos(const QString& texto) {
    bool ok = false;
    const qlonglong v = RemoveFormato(texto).trimmed().toLongLong(&ok);
    return ok ? v : 0;
}
} // namespace

TFrmAdm_DebPar* TFrmAdm_DebPar::Cria() { return TFrmMod::CriaForm<TFrmAdm_DebPar>(); }

TFrmAdm_DebPar::TFrmAdm_DebPar(QWidget* parent) : TFrmPar_Deb(parent) {
    setObjectName(QStringLiteral("FrmAdm_DebPar"));
    Controles(this)
        .Rotulo(lbValorEntrada, "lbValorEntrada", pnCaptura, {292, 75, 142, 15},
                "Valor da Entrada:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edValorEntrada, "edValorEntrada", pnCaptura, {438, 70, 101, 24}, {.max = 12, .valor = true})
        .Rotulo(lbDtPrimeiraParcela, "lbDtPrimeiraParcela", pnCaptura, {4, 125, 146, 15},
                "Data 1a Parc.:", Ctl::Direita | Ctl::Destaque)
        .Mascara(edDtPrimeiraParcela, "edDtPrimeiraParcela", pnCaptura, {154, 120, 102, 24}, "99/99/9999;_")
        .Rotulo(lbValorPrimParc, "lbValorPrimParc", pnCaptura, {292, 125, 142, 15},
                "Valor 1a Parc.:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edValorPrimParc, "edValorPrimParc", pnCaptura, {438, 120, 101, 24}, {.max = 12, .valor = true});
    OrdemTab({edValor, edValorSaque, edNumParcelas, edValorEntrada, edDtPrimeiraParcela, edValorPrimParc, btConfirma,
              btRetorna});
    LigaEntrada(edValorEntrada, [this] { edValorEntradaEnter(); });
    LigaEntrada(edDtPrimeiraParcela, [this] { edDtPrimeiraParcelaEnter(); });
    LigaEntrada(edValorPrimParc, [this] { edValorPrimParcEnter(); });
}

void TFrmAdm_DebPar::FormCreate() { TFrmTrn_Mod::FormCreate(); }

void TFrmAdm_DebPar::IniciaCamposForm() {
    TFrmPar_Deb::IniciaCamposForm();
    edValorEntrada->clear();
    edValorPrimParc->clear();
    DataDigitada::Limpa(edDtPrimeiraParcela);
    lbDtPrimeiraParcela->setText(Mensagem(2604));
    lbValorEntrada->setText(Mensagem(547));
    lbValorPrimParc->setText(Mensagem(2605));
    // The issuer's plan limits its count itself.
    MaximoParcelas = Produto.numero(OffProduto::MAX_PARCELAS_EMISSOR, 2);

    edDtPrimeiraParcela->setEnabled(Permite(OffProduto::EMISSOR_DATA_PRIMEIRA));
    edValorEntrada->setEnabled(Permite(OffProduto::EMISSOR_ENTRADA));
    edValorPrimParc->setEnabled(Permite(OffProduto::EMISSOR_VALOR_PRIMEIRA));
    lbDtPrimeiraParcela->setEnabled(edDtPrimeiraParcela->isEnabled());
    lbValorEntrada->setEnabled(edValorEntrada->isEnabled());
    lbValorPrimParc->setEnabled(edValorPrimParc->isEnabled());

    if (edValorEntrada->isEnabled()) {
        // A down payment the caller gave cannot be changed.
        entradaChamador_ = RemoveFormato(Campos::Le(CAMPO_VALOR_ENTRADA)).trimmed();
        if (!entradaChamador_.isEmpty()) edValorEntrada->setText(Dollar(entradaChamador_));
        edValorEntrada->setEnabled(entradaChamador_.isEmpty());
    } else {
        Campos::Limpa(CAMPO_VALOR_ENTRADA);
    }
}

bool TFrmAdm_DebPar::ValidaCamposForm() {
    if (!TFrmPar_Deb::ValidaCamposForm()) return false;
    if (Permite(OffProduto::EMISSOR_ENTRADA) && Centavos(edValor->text()) <= Centavos(edValorEntrada->text())) {
        RecusaEdicao(2606, edValorEntrada);
        return false;
    }
    if (!ValidaValorParcelaCDC()) {
        RecusaEdicao(2607, edValorPrimParc);
        return false;
    }
    if (Permite(OffProduto::EMISSOR_DATA_PRIMEIRA)) {
        const int r = VerificaDataPrimParc();
        if (r != 0) {
            if (r == 1 || r == 2)
                RecusaEdicao(r == 1 ? 787 : 323, edDtPrimeiraParcela);
            else {
                pnCaptura->setEnabled(true);
                edDtPrimeiraParcela->setEnabled(true);
                DataDigitada::Limpa(edDtPrimeiraParcela);
                edDtPrimeiraParcela->setFocus();
            }
            return false;
        }
    }
    return true;
}

bool TFrmAdm_DebPar::ValidaValorParcelaCDC() {
    const qlonglong n = Centavos(edNumParcelas->text());
    QString total = RemoveFormato(Campos::Le(CAMPO_VALOR_TRANSACAO)).trimmed();
    if (total.isEmpty()) total = RemoveFormato(edValor->text()).trimmed();
    return n * Centavos(edValorPrimParc->text()) + Centavos(edValorEntrada->text()) <= Centavos(total);
}

int TFrmAdm_DebPar::VerificaDataPrimParc() {
    const QString texto = edDtPrimeiraParcela->text().trimmed();
    const bool digitos = DataDigitada::TemDigitos(texto);
    if (texto.size() < 10 && digitos) return 1;
    if (!digitos && edDtPrimeiraParcela->isEnabled())
        edDtPrimeiraParcela->setText(DataDigitada::Formata(DataDigitada::Hoje()));
    const QDate d = DataDigitada::Le(edDtPrimeiraParcela->text());
    if (!d.isValid()) return 1;
    const QDate limite = DataDigitada::Limite(Produto.numero(OffProduto::DIAS_MAX_PRIMEIRA_EMISSOR, 4));
    if (!limite.isValid() || d > limite) return 2;
    if (d < DataDigitada::Hoje()) return 1;
    return 0;
}

bool TFrmAdm_DebPar::GravaCamposPontal() {
    if (!TFrmPar_Deb::GravaCamposPontal()) return false;
    if (!Campos::Grava(CAMPO_QTD_PARCELAS, edNumParcelas->text())) return false;
    const QString d = RemoveFormato(edDtPrimeiraParcela->text());
    if (!d.isEmpty()) {
        if (!Campos::Grava(CAMPO_DATA_PREDATADO, d)) return false;
        DefineDataPreCDCDebito(("016:" + d.mid(4, 4) + d.mid(2, 2) + d.mid(0, 2)).toLatin1());
    }
    if (!Campos::Grava(CAMPO_VALOR_PRIMEIRA_PARCELA, RemoveFormato(edValorPrimParc->text()))) return false;
    const qlonglong entrada = Centavos(edValorEntrada->text());
    if (entrada > 0 && !Campos::Grava(CAMPO_VALOR_ENTRADA, QString::number(entrada))) return false;
    return true;
}

void TFrmAdm_DebPar::edValorEntradaEnter() { MostraMensagem(Mensagem(30)); }

void TFrmAdm_DebPar::edDtPrimeiraParcelaEnter() {
    MostraMensagem(Mensagem(33));
    if (!DataDigitada::TemDigitos(edDtPrimeiraParcela->text())) edDtPrimeiraParcela->setCursorPosition(0);
}

void TFrmAdm_DebPar::edDtPrimeiraParcelaExit() {
    if (!DataDigitada::TemDigitos(edDtPrimeiraParcela->text()))
        edDtPrimeiraParcela->setText(DataDigitada::Formata(DataDigitada::Hoje()));
}

void TFrmAdm_DebPar::edValorPrimParcEnter() { MostraMensagem(Mensagem(2608)); }

bool TFrmAdm_DebPar::FiltraEvento(QObject* obj, QEvent* ev) {
    // Leaving for another control of the form; a message box taking the
    // window is no exit.
    if (obj == edDtPrimeiraParcela && ev->type() == QEvent::FocusOut) {
        const Qt::FocusReason r = static_cast<QFocusEvent*>(ev)->reason();
        if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason) edDtPrimeiraParcelaExit();
    }
    return TFrmPar_Deb::FiltraEvento(obj, ev);
}

void ProdutoGaleriaCDC() {
    Produto.limpa();
    std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
    const QByteArray issuer = QByteArray("BANCO EXEMPLO").leftJustified(40, ' ');
    std::copy(issuer.begin(), issuer.end(), Produto.dados + OffProduto::NOME_ISSUER);
    Produto.dados[OffProduto::EMISSOR_DATA_PRIMEIRA] = '1';
    Produto.dados[OffProduto::EMISSOR_ENTRADA] = '1';
    Produto.dados[OffProduto::EMISSOR_VALOR_PRIMEIRA] = '1';
    const QByteArray maximo = "12", dias = "0045";
    std::copy(maximo.begin(), maximo.end(), Produto.dados + OffProduto::MAX_PARCELAS_EMISSOR);
    std::copy(dias.begin(), dias.end(), Produto.dados + OffProduto::DIAS_MAX_PRIMEIRA_EMISSOR);
}

// An issuer-financed plan of R$ 1.200,00 with every optional input allowed.
static QDialog* FormGaleriaAdmDebPar() {
    ProdutoGaleriaCDC();
    if (!Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("120000"))) return nullptr;
    Campos::Limpa(CAMPO_QTD_PARCELAS);
    Campos::Limpa(CAMPO_VALOR_ENTRADA);
    return TFrmAdm_DebPar::Cria();
}
KORA_REGISTRA_GALERIA(FrmAdm_DebPar, FormGaleriaAdmDebPar)
KORA_REGISTRA_FORM(FrmAdm_DebPar, TFrmAdm_DebPar)
