// Confirmation (capture) of an earlier pre-authorization, identified by its
// date, authorization code and NSU; the members say how it is paid.
#pragma once
#include "preauth/Pretrnkora.h"

class TFrmCnf_Pre : public TFrmPre_Trn {
public:
    static TFrmCnf_Pre* Cria();
    explicit TFrmCnf_Pre(QWidget* parent = nullptr);

    QLabel* lbDataTransacao = nullptr;
    QLineEdit* edDataTransacao = nullptr;
    QLabel* lbCodAutorizacao = nullptr;
    QLineEdit* edCodAutorizacao = nullptr;
    QLabel* lbNumDocumento = nullptr;
    QLineEdit* edNumDocumento = nullptr;
    QLabel* lbCodEmpresa = nullptr;
    QLineEdit* edCodEmpresa = nullptr;

    void IniciaCamposForm() override;
    bool ValidaCamposForm() override;
    bool GravaCamposPontal() override;

protected:
    bool FiltraEvento(QObject* obj, QEvent* ev) override;
};

extern TFrmCnf_Pre* FrmCnf_Pre;
