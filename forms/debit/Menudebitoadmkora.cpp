#include "Menudebitoadmkora.h"

#include "Servicoskora.h"
#include "capture/Coletataxas.h"
#include "debit/Conscdckora.h"
#include "framework/Galeriakora.h"

TFrmDebAdm_Mnu* FrmDebAdm_Mnu = nullptr;

namespace {
bool CobraTaxas() {
    return Produto.em(OffProduto::TAXA_SERVICO) == '1' || Produto.em(OffProduto::TAXA_EMBARQUE) == '1';
}
} // namespace

TFrmDebAdm_Mnu* TFrmDebAdm_Mnu::Cria() { return CriaForm<TFrmDebAdm_Mnu>(); }

TFrmDebAdm_Mnu::TFrmDebAdm_Mnu(QWidget* pai) : TFrmMnu_Mod(pai) {
    setObjectName(QStringLiteral("FrmDebAdm_Mnu"));
    MensagemTitulo = 421;
    MensagemEncerra = 330;
    Opcoes = {{.mensagem = 2656, .nomeForm = "FrmCon_ParAdm", .habilitada = {}, .executa = [](TFrmMnu_Mod* menu) {
                   auto* pai = static_cast<QDialog*>(menu);
                   return CobraTaxas() ? CriaExecutaForm<TFrmColeta_Taxas>(pai, FrmColeta_Taxas)
                                       : CriaExecutaForm<TFrmCon_ParAdm>(pai, FrmCon_ParAdm);
               }}};
}

void TFrmDebAdm_Mnu::OpcaoClick(int n) {
    if (n != 1) return;
    ImprimeCupom = true;
    Opcoes[0].nomeForm = CobraTaxas() ? "FrmColeta_Taxas" : "FrmCon_ParAdm";
    ExecutaOpcao(1);
}

static QDialog* FormGaleriaDebAdmMnu() {
    Produto.limpa();
    std::fill(std::begin(Produto.dados), std::end(Produto.dados), uchar('0'));
    return TFrmDebAdm_Mnu::Cria();
}
KORA_REGISTRA_GALERIA(FrmDebAdm_Mnu, FormGaleriaDebAdmMnu)
KORA_REGISTRA_FORM(FrmDebAdm_Mnu, TFrmDebAdm_Mnu)
