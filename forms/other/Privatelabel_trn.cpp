#include "Privatelabel_trn.h"

#include "Contextokora.h"
#include "bromo.h"
#include "platform.h"
#include "transaction/Descritoreskora.h"

#include <QKeyEvent>
#include <QLineEdit>

TFrmPrivLabel_Trn::TFrmPrivLabel_Trn(QWidget* parent) : TFrmTrn_Mod(parent) {}

void TFrmPrivLabel_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    pTransacao = &TrnCompraPrivateLabel;
}

void TFrmPrivLabel_Trn::RecusaEdicao(QLineEdit* ed, int mensagem) {
    CaixaMensagem(Mensagem(mensagem), Plataforma::MB_OK, Plataforma::Icone::Exclamacao);
    pnCaptura->setEnabled(true);
    ed->setEnabled(true);
    ed->clear();
    ed->setFocus();
}

void TFrmPrivLabel_Trn::SoDigitos(QLineEdit* ed) { soDigitos_ << ed; }

bool TFrmPrivLabel_Trn::FiltraEvento(QObject* obj, QEvent* ev) {
    if (ev->type() == QEvent::KeyPress) {
        auto* ed = qobject_cast<QLineEdit*>(obj);
        if (ed && soDigitos_.contains(ed)) {
            auto* k = static_cast<QKeyEvent*>(ev);
            char c = 0;
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
                c = 13;
            else if (k->key() == Qt::Key_Backspace)
                c = 8;
            else if (k->text().size() == 1 && k->text()[0].unicode() < 256)
                c = ValKeyBoard(char(uchar(k->text()[0].unicode())));
            if (c != 0 && c != 8 && c != 13 && !(c >= '0' && c <= '9')) return true;
            if (c != 0) TeclaAceita(ed, c);
        }
    }
    return TFrmTrn_Mod::FiltraEvento(obj, ev);
}
