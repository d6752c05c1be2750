// No-record cancellation of debit sales: what the at-sight, CDC and
// pre-dated forms record and check alike.
#pragma once
#include "cancel/Cancelamentosemregistrologtrn.h"

class QDate;

class TFrmCancDeb_SemRegLog : public TFrmCanc_SemRegLogTrn {
public:
    using TFrmCanc_SemRegLogTrn::TFrmCanc_SemRegLogTrn;
    bool GravaCamposPontal() override;

protected:
    static const QString kFormatoData;
    // Date of the sale (field 1020, DDMMYYYY); invalid when the host gave none.
    static QDate DataVenda();
    static bool TemDigitos(const QString& s);
    // "016:"/"019:" followed by the date DDMMYYYY as YYYYMMDD.
    static QByteArray TextoData(const char* tag, const QString& d);
};
