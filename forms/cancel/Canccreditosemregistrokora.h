// No-record cancellation of credit sales: what the at-sight and instalment
// forms record alike; the credit no-record menu tells which through its Tag.
#pragma once
#include "cancel/Cancelamentosemregistrologtrn.h"

class TFrmCancCred_SemRegLog : public TFrmCanc_SemRegLogTrn {
public:
    using TFrmCanc_SemRegLogTrn::TFrmCanc_SemRegLogTrn;
    bool GravaCamposPontal() override;
};
