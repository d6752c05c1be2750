#include "cancel/Canccreditosemregistrokora.h"

#include "Campos.h"
#include "Contextokora.h"
#include "cancel/Menucancelamentocredito.h"

bool TFrmCancCred_SemRegLog::GravaCamposPontal() {
    return TFrmCanc_SemRegLogTrn::GravaCamposPontal() &&
           Campos::Grava(CAMPO_CODIGO_FINANCIAMENTO, QString::number(TagMenu(FrmCancCred_Mnu))) &&
           VerificaGravaTipoTrnCredito();
}
