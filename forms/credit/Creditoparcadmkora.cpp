#include "Creditoparcadmkora.h"

TFrmAdm_CrdPar* FrmAdm_CrdPar = nullptr;

TFrmAdm_CrdPar* TFrmAdm_CrdPar::Cria() { return TFrmMod::CriaForm<TFrmAdm_CrdPar>(); }

TFrmAdm_CrdPar::TFrmAdm_CrdPar(QWidget* parent) : TFrmPar_Crd(parent) {
    setObjectName(QStringLiteral("FrmAdm_CrdPar"));
}
