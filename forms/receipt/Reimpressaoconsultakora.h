// Reprint: the acquirer is asked for a copy of the receipt of an earlier
// transaction, found by its NSU and date; the host prints what comes back.
#pragma once
#include "transaction/Trnmodelokora.h"

#include <QDate>

class QComboBox;

class TFrmReimpressao_Trn : public TFrmTrn_Mod {
public:
    static TFrmReimpressao_Trn* Cria();
    explicit TFrmReimpressao_Trn(QWidget* parent = nullptr);

    QLabel* lbNumDocumento = nullptr;
    QLineEdit* edNumDocumento = nullptr;
    QLineEdit* edDataTransacao = nullptr;
    QLabel* lbDataTransacao = nullptr;
    QComboBox* cbListaVias = nullptr;
    QLabel* lbVia = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;
    void btConfirmaClick() override;

    // True when the key was swallowed.
    bool edNumDocumentoKeyPress(char tecla);
    bool cbListaViasKeyPress(char tecla);

protected:
    bool FiltraEvento(QObject* obj, QEvent* ev) override;

private:
    void RecusaData();
};

extern TFrmReimpressao_Trn* FrmReimpressao_Trn;

// The date of a "DD/MM/YYYY" text whatever the workstation's locale; invalid
// when it is no date.
QDate DataDigitada(const QString& texto);
