#include "Adcmodelokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "Servicoskora.h"
#include "bromo.h"
#include "ciraz.h"
#include "framework/Controleskora.h"
#include "framework/Retornooperador6b.h"
#include "platform.h"
#include "transaction/Baixatecnicakora.h"
#include "transaction/Trnmodelokora.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

TFrmAdc_Mod* FrmAdc_Mod = nullptr;

TFrmAdc_Mod* TFrmAdc_Mod::Cria() { return TFrmMod::CriaForm<TFrmAdc_Mod>(); }

TFrmAdc_Mod::TFrmAdc_Mod(QWidget* pai) : TFrmMod(pai) {
    setObjectName(QStringLiteral("FrmAdc_Mod"));
    Controles(this)
        .Painel(pnCaptura, "pnCaptura", this, {24, 106, 580, 210}, Ctl::Rebaixado | Ctl::Cinza)
        .Painel(pnBotoes, "pnBotoes", this, {111, 330, 400, 40}, Ctl::Cinza)
        .Botao(btConfirma, "btConfirma", pnBotoes, {31, 5, 121, 30}, "&1 - Confirma",
               {.foco = 46, .estilo = Ctl::Oculto})
        .Botao(btRetorna, "btRetorna", pnBotoes, {248, 5, 121, 30}, "&9 - Cancela",
               {.foco = 48, .estilo = Ctl::Oculto});
    QObject::connect(btConfirma, &QPushButton::clicked, this, [this] { btConfirmaClick(); });
    QObject::connect(btRetorna, &QPushButton::clicked, this, [this] { btRetornaClick(); });
}

void TFrmAdc_Mod::FormCreate() {
    TFrmMod::FormCreate();
    btConfirma->setVisible(true);
    btRetorna->setVisible(true);
}

void TFrmAdc_Mod::FormShow() {
    bControlaKeyPreview = true;
    // Key preview: the form sees the keys of every control first.
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
    IniciaCamposForm();
    if (qobject_cast<QPushButton*>(focusWidget())) focusNextChild();
    TFrmMod::FormShow();
}

void TFrmAdc_Mod::IniciaCamposForm() {
    btConfirma->setText(Mensagem(553));
    btRetorna->setText(Mensagem(554));
    bPermiteAlterarDados = PermiteAlterarDados();
    // The first byte of the product table tells the host a write-off ran.
    ServicoW.dados[0] = VerificaMontaDadosRealizaBaixaTecnica(true, lbMensagem) ? '1' : '0';
}

bool TFrmAdc_Mod::ValidaCamposForm() { return true; }
bool TFrmAdc_Mod::GravaCamposPontal() { return true; }

bool TFrmAdc_Mod::VerificaAutorizaTransacao() { return AutorizaTransacao(pTransacao, lbMensagem, 0) == 0; }

void TFrmAdc_Mod::HabilitaControles(bool habilita) {
    btConfirma->setEnabled(habilita);
    btRetorna->setEnabled(habilita);
    pnCaptura->setEnabled(habilita);
}

bool TFrmAdc_Mod::FiltraEvento(QObject* obj, QEvent* ev) {
    if (ev->type() == QEvent::KeyPress && obj->isWidgetType() && static_cast<QWidget*>(obj)->window() == this) {
        const auto* k = static_cast<QKeyEvent*>(ev);
        char c = 0;
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) c = 13;
        if (c != 0 && FormKeyPress(c)) return true;
        if (c == 0) bControlaKeyPreview = true;
    }
    return TFrmMod::FiltraEvento(obj, ev);
}

bool TFrmAdc_Mod::FormKeyPress(char& tecla) {
    bool engolida = false;
    if (bControlaKeyPreview) {
        tecla = ValKeyBoard(tecla);
        if (tecla == 13 && !qobject_cast<QPushButton*>(focusWidget())) {
            focusNextChild();
            engolida = true;
        }
    }
    bControlaKeyPreview = true;
    return engolida;
}

void TFrmAdc_Mod::btConfirmaClick() {
    bControlaKeyPreview = false;
    HabilitaControles(false);
    MostraMensagem(Mensagem(43));
    Plataforma::ProcessMessages();
    if (!(ValidaCamposForm() && GravaCamposPontal() && VerificaCapturaSenha())) {
        HabilitaControles(true);
        return;
    }
    ExibeMsgPinpad(Mensagem(1091));
    VerificaAutorizaTransacao();
    ExibeMsgPinpad(QString());
    if (Campos::LeNumero(CAMPO_CODIGO_RESPOSTA) == 0 && !Campos::Le(CAMPO_LINHAS_RETORNO).isEmpty())
        TFrmRetorno_Opr::Mostra(lbTitulo->text());
    FechaForm(mrOk);
}

void TFrmAdc_Mod::btRetornaClick() {
    if (EhCartaoChipComContato()) {
        MostraMensagem(Mensagem(944));
        Plataforma::ProcessMessages();
        RemoveCartao(Mensagem(944));
    }
    FinalizaComunicacaoPinpad();
    FechaForm(mrCancel);
}
