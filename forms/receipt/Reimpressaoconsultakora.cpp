#include "Reimpressaoconsultakora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "bromo.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"
#include "platform.h"
#include "transaction/Descritoreskora.h"

#include <QComboBox>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmReimpressao_Trn* FrmReimpressao_Trn = nullptr;

QDate DataDigitada(const QString& texto) {
    // Read by position: the short-date format of the locale must not matter.
    const QString t = texto.trimmed();
    if (t.size() != 10 || t[2] != QLatin1Char('/') || t[5] != QLatin1Char('/')) return {};
    bool okD = false, okM = false, okA = false;
    const int d = t.mid(0, 2).toInt(&okD), m = t.mid(3, 2).toInt(&okM), a = t.mid(6, 4).toInt(&okA);
    if (!okD || !okM || !okA) return {};
    return QDate(a, m, d);
}

TFrmReimpressao_Trn* TFrmReimpressao_Trn::Cria() { return TFrmMod::CriaForm<TFrmReimpressao_Trn>(); }

TFrmReimpressao_Trn::TFrmReimpressao_Trn(QWidget* parent) : TFrmTrn_Mod(parent) {
    setObjectName(QStringLiteral("FrmReimpressao_Trn"));
    Controles(this)
        .Rotulo(lbNumDocumento, "lbNumDocumento", pnCaptura, {40, 40, 160, 16}, "NSU:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edNumDocumento, "edNumDocumento", pnCaptura, {206, 36, 80, 24}, {.max = 6, .foco = 40})
        .Rotulo(lbDataTransacao, "lbDataTransacao", pnCaptura, {40, 84, 160, 16},
                "Data da Transação:", Ctl::Direita | Ctl::Destaque)
        .Mascara(edDataTransacao, "edDataTransacao", pnCaptura, {206, 80, 90, 24}, "99/99/9999;_",
                 {.max = 10, .foco = 1500})
        .Rotulo(lbVia, "lbVia", pnCaptura, {40, 128, 160, 16}, "Via a ser Reimpressa:", Ctl::Direita | Ctl::Destaque)
        .Combo(cbListaVias, "cbListaVias", pnCaptura, {206, 124, 240, 24});
    LigaEntrada(cbListaVias, [this] { MostraMensagem(Mensagem(2660) + QLatin1Char(' ') + Mensagem(1075)); });
    OrdemTab({edNumDocumento, edDataTransacao, cbListaVias, btConfirma, btRetorna});
}

void TFrmReimpressao_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    pTransacao = &TrnReimpressaoKora;
    lbDataTransacao->setText(Mensagem(564));
    lbNumDocumento->setText(Mensagem(783));
    lbValor->hide();
    edValor->hide();
    edValor->setEnabled(false);
    edDataTransacao->clear();
    const QString data = Campos::Le(CAMPO_DATA_ORIGINAL);
    if (!data.trimmed().isEmpty()) {
        edDataTransacao->clear();
        edDataTransacao->setText(data.mid(0, 2) + QLatin1Char('/') + data.mid(2, 2));
        edDataTransacao->setEnabled(false);
    }
    edNumDocumento->setText(Campos::Le(CAMPO_NSU_ORIGINAL));
    if (!edNumDocumento->text().isEmpty()) edNumDocumento->setEnabled(false);
    Campos::Limpa(CAMPO_LIDO_CHIP);
    Campos::Limpa(CAMPO_TIPO_OPERACAO_CARTAO);
    cbListaVias->clear();
    cbListaVias->addItems({Mensagem(2657), Mensagem(2658), Mensagem(2659)});
    cbListaVias->setCurrentIndex(0);
}

void TFrmReimpressao_Trn::RecusaData() {
    CaixaMensagem(Mensagem(787), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    pnCaptura->setEnabled(true);
    edDataTransacao->setEnabled(true);
    edDataTransacao->clear();
    edDataTransacao->setFocus();
}

bool TFrmReimpressao_Trn::ValidaCamposForm() {
    bool ok = false;
    const QString nsu = edNumDocumento->text();
    if (nsu.size() != 6 || nsu.toLongLong(&ok) <= 0 || !ok) {
        pnCaptura->setEnabled(true);
        edNumDocumento->setEnabled(true);
        edNumDocumento->clear();
        edNumDocumento->setFocus();
        return false;
    }
    // A date the host gave carries no year: the request needs only day and
    // month, so only a typed date is checked.
    if (!edDataTransacao->isEnabledTo(pnCaptura)) return true;
    const QDate data = DataDigitada(edDataTransacao->text());
    if (!data.isValid()) {
        RecusaData();
        return false;
    }
    const QDate hoje = Plataforma::Agora().date();
    const QDate limite = DataDigitada(SubtraiData(hoje.toString(QStringLiteral("dd/MM/yyyy")), 2));
    if (data > hoje || (limite.isValid() && data < limite)) {
        RecusaData();
        return false;
    }
    return true;
}

// Records the request's own fields only: a reprint has no amount nor card.
bool TFrmReimpressao_Trn::GravaCamposPontal() {
    if (!Campos::Grava(CAMPO_CODIGO_MODULO, QStringLiteral("0125"))) return false;
    if (!Campos::Grava(CAMPO_TIPO_TRANSACAO, QStringLiteral("26"))) return false;
    const QString nsu = edNumDocumento->text().trimmed();
    if (!nsu.isEmpty() && !Campos::Grava(CAMPO_NSU_ORIGINAL, nsu)) return false;
    if (!Campos::Grava(CAMPO_DATA_ORIGINAL, RemoveFormato(edDataTransacao->text()).left(4))) return false;
    return Campos::Grava(CAMPO_VIA_REIMPRESSAO, QString::number(cbListaVias->currentIndex() + 1));
}

void TFrmReimpressao_Trn::btConfirmaClick() { TFrmTrn_Mod::btConfirmaClick(); }

bool TFrmReimpressao_Trn::edNumDocumentoKeyPress(char tecla) {
    tecla = ValKeyBoard(tecla);
    return !((tecla >= '0' && tecla <= '9') || tecla == ',' || tecla == '.' || tecla == 8 || tecla == 13);
}

bool TFrmReimpressao_Trn::cbListaViasKeyPress(char tecla) {
    if (tecla == '2') {
        if (cbListaVias->currentIndex() + 1 < cbListaVias->count())
            cbListaVias->setCurrentIndex(cbListaVias->currentIndex() + 1);
        return true;
    }
    if (tecla == '8') {
        if (cbListaVias->currentIndex() > 0) cbListaVias->setCurrentIndex(cbListaVias->currentIndex() - 1);
        return true;
    }
    return false;
}

bool TFrmReimpressao_Trn::FiltraEvento(QObject* obj, QEvent* ev) {
    if (ev->type() == QEvent::KeyPress && (obj == edNumDocumento || obj == cbListaVias)) {
        const char tecla = CaractereTecla(static_cast<QKeyEvent*>(ev));
        if (tecla != 0) {
            const bool engolida = obj == edNumDocumento ? edNumDocumentoKeyPress(tecla) : cbListaViasKeyPress(tecla);
            if (engolida) return true;
        }
    }
    return TFrmTrn_Mod::FiltraEvento(obj, ev);
}

// A reprint typed by the operator: nothing given by the host.
static QDialog* FormGaleriaReimpressao() {
    Campos::Limpa(CAMPO_DATA_ORIGINAL);
    Campos::Limpa(CAMPO_NSU_ORIGINAL);
    return TFrmReimpressao_Trn::Cria();
}
KORA_REGISTRA_GALERIA(FrmReimpressao_Trn, FormGaleriaReimpressao)
KORA_REGISTRA_FORM(FrmReimpressao_Trn, TFrmReimpressao_Trn)
