// Typical data the gallery shows the cancellation forms with.
#pragma once

namespace GaleriaCancelamento {
// A sale of R$ 150,75 without date or NSU from the host.
void VendaACancelar();
// A reply listing three cancellable transactions.
void ListaC1();
} // namespace GaleriaCancelamento
