// What the two pre-authorization cancellations share: the authorization and
// company codes, and the amount first in the tab order.
#pragma once
#include "cancel/Cancelamentotrnkora.h"

class TFrmPre_Cnc : public TFrmCnc_Trn {
public:
    static TFrmPre_Cnc* Cria();
    explicit TFrmPre_Cnc(QWidget* parent = nullptr);

    QLabel* lbCodAutorizacao = nullptr;
    QLineEdit* edCodAutorizacao = nullptr;
    QLabel* lbCodEmpresa = nullptr;
    QLineEdit* edCodEmpresa = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;

protected:
    bool FiltraEvento(QObject* obj, QEvent* ev) override;
};

extern TFrmPre_Cnc* FrmPre_Cnc;
