#include "capture/Capturaadicionais.h"

#include "Contextokora.h"
#include "Servicoskora.h"
#include "capture/Capturainformacoesadicionais.h"
#include "capture/Capturaprodutoslojista.h"
#include "platform.h"

namespace CapturaAdicionais {

namespace {

// Shows the dialog when `prepara` finds something to ask; false when the
// operator left it. The dialog is freed in every case.
template <class T, class P> bool ExecutaDialogo(T*& var, P prepara) {
    if (!var) var = T::Cria();
    if (!var) return true;
    const LiberaForm<T> libera{var};
    if (!prepara(*var)) return true;
    // The dialogs confirm with 2 and return with 1.
    const int r = var->exec();
    Plataforma::ProcessMessages();
    return r == mrCancel;
}

} // namespace

bool VerificaCapturaDadosAdicionais(const std::function<void(int)>& fecha) {
    if (ServicoE.quantidade > 0 &&
        !ExecutaDialogo(FrmCap_InfoAdc, [](TFrmCap_InfoAdc& f) { return f.ObtemDescricaoProdutos(); })) {
        if (fecha) fecha(mrCancel);
        return false;
    }
    if (ServicoL.quantidade > 0 &&
        !ExecutaDialogo(FrmCap_ProdLoj, [](TFrmCap_ProdLoj& f) { return f.DisponibilizaProdutosLojistaSelecao(); })) {
        if (fecha) fecha(mrCancel);
        return false;
    }
    return true;
}

} // namespace CapturaAdicionais
