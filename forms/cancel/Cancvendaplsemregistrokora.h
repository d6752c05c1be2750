// No-record cancellation of private-label purchases: what the at-sight,
// instalment and pre-dated forms share.
#pragma once
#include "cancel/Cancelamentosemregistrologtrn.h"

class TFrmCancVendaPL_SemRegLog : public TFrmCanc_SemRegLogTrn {
public:
    using TFrmCanc_SemRegLogTrn::TFrmCanc_SemRegLogTrn;

protected:
    AutoConfirma ModoAutoConfirma() const override { return AutoConfirma::SemEdicao; }
    // The number typed in `ed`, 0 when not a number.
    static int Numero(const QLineEdit* ed);
};
