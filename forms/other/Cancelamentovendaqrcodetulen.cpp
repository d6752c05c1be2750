#include "Cancelamentovendaqrcodetulen.h"

#include "Campos.h"
#include "Contextokora.h"
#include "bromo.h"
#include "framework/Controleskora.h"
#include "framework/Galeriakora.h"
#include "transaction/Descritoreskora.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmCancVendaQRCode* FrmCancVendaQRCode = nullptr;

TFrmCancVendaQRCode* TFrmCancVendaQRCode::Cria() { return TFrmMod::CriaForm<TFrmCancVendaQRCode>(); }

TFrmCancVendaQRCode::TFrmCancVendaQRCode(QWidget* parent) : TFrmQRCode_Trn(parent) {
    setObjectName(QStringLiteral("FrmCancVendaQRCode"));
    Controles(this)
        .Rotulo(lbDtTransacao, "lbDtTransacao", pnCaptura, {4, 76, 142, 16},
                "Data da Transação:", Ctl::Direita | Ctl::Destaque)
        .Mascara(edDtTransacao, "edDtTransacao", pnCaptura, {150, 72, 90, 24}, "99/99/9999;_", {.max = 10, .foco = 37})
        .Rotulo(lbNumDocumento, "lbNumDocumento", pnCaptura, {4, 112, 142, 16}, "NSU:", Ctl::Direita | Ctl::Destaque)
        .Edicao(edNumDocumento, "edNumDocumento", pnCaptura, {150, 108, 80, 24}, {.max = 6, .foco = 18});
    btnCancLeituraQRCode->setText(QStringLiteral("&8 - Cancelar coleta do TULEN CODE"));
    OrdemTab({edValor, edDtTransacao, edNumDocumento, btConfirma, btRetorna});
}

void TFrmCancVendaQRCode::IniciaCamposForm() {
    TFrmQRCode_Trn::IniciaCamposForm();
    pTransacao = &TrnCancelamentoCD;
    lbTitulo->setText(Mensagem(2843));
}

bool TFrmCancVendaQRCode::GravaCamposPontal() {
    return TFrmTrn_Mod::GravaCamposPontal() && Campos::Grava(CAMPO_TIPO_TRANSACAO, QStringLiteral("3"));
}

void TFrmCancVendaQRCode::btConfirmaClick() {
    if (Campos::Grava(CAMPO_DATA_ORIGINAL, RemoveFormato(edDtTransacao->text())) &&
        Campos::Grava(CAMPO_NSU_ORIGINAL, edNumDocumento->text().trimmed()))
        TFrmQRCode_Trn::btConfirmaClick();
}

// Typed by the operator: no amount from the host.
KORA_REGISTRA_GALERIA(FrmCancVendaQRCode, [] {
    Campos::Limpa(CAMPO_VALOR_TRANSACAO);
    return static_cast<QDialog*>(TFrmCancVendaQRCode::Cria());
})
KORA_REGISTRA_FORM(FrmCancVendaQRCode, TFrmCancVendaQRCode)
