// The cancellation of a sale or pre-authorization the acquirer still holds:
// date, NSU and amount of the sale, a query exchange that locates it, the
// operator's confirmation and the confirmation exchange through the model's
// own confirm path. Without the acquirer's record ("V8") it leads to the
// cancellation by the kind of sale.
#pragma once
#include "Servicoc1kora.h"
#include "transaction/Trnmodelokora.h"

class QLabel;
class QLineEdit;

// Cancellation phase, recorded in field 10213.
constexpr int FASE_CONSULTA = 2;
constexpr int FASE_CONFIRMACAO = 3;

class TFrmCnc_Trn : public TFrmTrn_Mod {
public:
    static TFrmCnc_Trn* Cria();
    explicit TFrmCnc_Trn(QWidget* parent = nullptr);

    QLineEdit* edDtTransacao = nullptr;
    QLabel* lbDtTransacao = nullptr;
    QLabel* lbNumDocumento = nullptr;
    QLineEdit* edNumDocumento = nullptr;

    // The phase of the exchange (FASE_CONSULTA, FASE_CONFIRMACAO).
    int Tag = FASE_CONSULTA;
    // The form's controls in tab order.
    QList<QWidget*> Entradas;

    bool GravaCamposPontal() override;
    bool ValidaCamposForm() override;
    void IniciaCamposForm() override;
    void btConfirmaClick() override;
    void FormShow() override;

    void TrataServicoC1();
    bool VerificaCapturaCSEG_EMBOSSO();

protected:
    bool FiltraEvento(QObject* obj, QEvent* ev) override;

private:
    // The query reply's outcome shown, the card released, the file stored.
    void MostraResultado();
    // Phase 3 through the model's confirm path; true when that path ended
    // the form (and stored the file itself).
    bool ConfirmaCancelamento();
    // The acquirer holds no record: cancellation by the kind of sale.
    // True when the form has ended.
    bool CancelaSemRegistro();
};

extern TFrmCnc_Trn* FrmCnc_Trn;

namespace Cancelamentotrnkora {
// This unit's copy of the reply's C1 service.
extern TServicoC1 ServicoC1;
} // namespace Cancelamentotrnkora
