#include "Debitoparclojakora.h"

#include "Campos.h"
#include "Constanteskora.h"
#include "Contextokora.h"
#include "bromo.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmLoja_DebPar* FrmLoja_DebPar = nullptr;

TFrmLoja_DebPar* TFrmLoja_DebPar::Cria() { return TFrmMod::CriaForm<TFrmLoja_DebPar>(); }

TFrmLoja_DebPar::TFrmLoja_DebPar(QWidget* parent) : TFrmPar_Deb(parent) {
    setObjectName(QStringLiteral("FrmLoja_DebPar"));
    Controles(this)
        .Rotulo(lbIntervaloParcelas, "lbIntervaloParcelas", pnCaptura, {250, 75, 184, 15},
                "Intervalo entre Parcelas:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edIntervaloParcelas, "edIntervaloParcelas", pnCaptura, {438, 70, 40, 24}, {.max = 3})
        .Rotulo(lbMesFechado, "lbMesFechado", pnCaptura, {4, 125, 146, 15},
                "Mês Fechado:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edMesFechado, "edMesFechado", pnCaptura, {154, 120, 25, 24}, {.max = 1})
        .Rotulo(lbSNMesFechado, "lbSNMesFechado", pnCaptura, {190, 125, 200, 15}, "0-Não; 1-Sim");
    OrdemTab({edValor, edValorSaque, edNumParcelas, edIntervaloParcelas, edMesFechado, btConfirma, btRetorna});
    LigaEntrada(edIntervaloParcelas, [this] { edIntervaloParcelasEnter(); });
    LigaEntrada(edMesFechado, [this] { edMesFechadoEnter(); });
    QObject::connect(edIntervaloParcelas, &QLineEdit::textChanged, this, [this] { edIntervaloParcelasChange(); });
    EditsFiltrados << edIntervaloParcelas << edMesFechado;
}

void TFrmLoja_DebPar::IniciaCamposForm() {
    TFrmPar_Deb::IniciaCamposForm();
    edIntervaloParcelas->clear();
    edMesFechado->clear();
    lbMesFechado->setText(Mensagem(551));
    lbIntervaloParcelas->setText(Mensagem(552));
    lbSNMesFechado->setText(FormataMensagem(Mensagem(566), "1", "0"));
    // The host's limits as they are; a value that is no number keeps the base's.
    MinimoParcelas = Campos::LeNumero(CAMPO_PARCELAS_MINIMO, MinimoParcelas);
    MaximoParcelas = Campos::LeNumero(CAMPO_PARCELAS_MAXIMO, MaximoParcelas);
    edIntervaloParcelas->setText(Campos::Le(CAMPO_INTERVALO_PARCELAS));
    edIntervaloParcelas->setEnabled(bPermiteAlterarDados);
    QString modos = Campos::Le(CAMPO_MODOS_OPERACAO);
    if (modos.isEmpty()) modos = QStringLiteral("111");
    edMesFechado->setText(modos.mid(PONTAL_MODO_OPERACAO_TERMINAL_MES_FECHADO - 1, 1));
    edMesFechado->setEnabled(bPermiteAlterarDados);
}

bool TFrmLoja_DebPar::ValidaCamposForm() {
    if (!TFrmPar_Deb::ValidaCamposForm()) return false;
    bool ok = false;
    const int intervalo = edIntervaloParcelas->text().trimmed().toInt(&ok);
    return ok && intervalo > 0;
}

bool TFrmLoja_DebPar::GravaCamposPontal() {
    if (!TFrmPar_Deb::GravaCamposPontal()) return false;
    if (!Campos::Grava(CAMPO_MES_FECHADO, edMesFechado->text())) return false;
    const QStringList plano =
        GeraParcelas(DataPrimeiraParcela.toString(QStringLiteral("ddMMyyyy")), RemoveFormato(edValor->text()),
                     edNumParcelas->text().toInt(), edIntervaloParcelas->text().trimmed().toInt(),
                     edMesFechado->text() == QLatin1String("1"));
    return !plano.isEmpty();
}

void TFrmLoja_DebPar::edIntervaloParcelasChange() {
    bool ok = false;
    const int intervalo = edIntervaloParcelas->text().trimmed().toInt(&ok);
    // A closed-month plan only goes with monthly instalments.
    if (ok && intervalo == 30) {
        edMesFechado->setEnabled(bPermiteAlterarDados);
    } else {
        edMesFechado->setText(QStringLiteral("0"));
        edMesFechado->setEnabled(false);
    }
}

bool TFrmLoja_DebPar::edIntervaloParcelasKeyPress(char& tecla) {
    tecla = ValKeyBoard(tecla);
    return !(tecla == 8 || tecla == 13 || tecla == ',' || tecla == '.' || (tecla >= '0' && tecla <= '9'));
}

bool TFrmLoja_DebPar::edMesFechadoKeyPress(char& tecla) { return !(tecla == '0' || tecla == '1'); }

void TFrmLoja_DebPar::edIntervaloParcelasEnter() { MostraMensagem(Mensagem(24)); }
void TFrmLoja_DebPar::edMesFechadoEnter() { MostraMensagem(Mensagem(10)); }

bool TFrmLoja_DebPar::FiltraTecla(QObject* obj, char& tecla) {
    if (obj == edIntervaloParcelas) return edIntervaloParcelasKeyPress(tecla);
    if (obj == edMesFechado) return edMesFechadoKeyPress(tecla);
    return TFrmPar_Deb::FiltraTecla(obj, tecla);
}

// A merchant-financed plan of R$ 900,00, monthly.
static QDialog* FormGaleriaLojaDebPar() {
    if (!Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("90000")) ||
        !Campos::Grava(CAMPO_INTERVALO_PARCELAS, QStringLiteral("30")))
        return nullptr;
    Campos::Limpa(CAMPO_QTD_PARCELAS);
    return TFrmLoja_DebPar::Cria();
}
KORA_REGISTRA_GALERIA(FrmLoja_DebPar, FormGaleriaLojaDebPar)
KORA_REGISTRA_FORM(FrmLoja_DebPar, TFrmLoja_DebPar)
