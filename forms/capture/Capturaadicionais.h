// The confirm-path step that asks for the additional data the acquirer's
// tables require for the selected product: the answers to its questions,
// then the itemized merchant goods. Each dialog is shown only when the
// product has something to ask.
#pragma once
#include <functional>

namespace CapturaAdicionais {

// True to go on. When the operator leaves a dialog, `fecha`(2) ends the
// transaction form and the result is false.
bool VerificaCapturaDadosAdicionais(const std::function<void(int)>& fecha);

} // namespace CapturaAdicionais
