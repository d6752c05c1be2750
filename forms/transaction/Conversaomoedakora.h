// The currency-conversion offer of the confirm path: whether a sale qualifies,
// the separate conversion query and what the customer's answer does to the
// sale. The transaction form hands in the few of its own operations these
// steps need, so the logic runs (and is tested) without a screen.
#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

class QLabel;

#define MOEDA_API __attribute__((visibility("default")))

namespace Conversaomoedakora {

// What the acquirer's conversion setting (field 10456) says about a product.
enum class TConfiguracao {
    Habilitado,           // type 1 and the product is listed
    SemSeparador,         // no ";"
    TipoInvalido,         // the text before ";" is not 1
    ProdutoNaoHabilitado, // the product is not listed
};

// `produto` is the 4-character code. `tipoLido` gets the text before ";".
MOEDA_API TConfiguracao AnalisaConfiguracao(const QByteArray& configuracao, const QByteArray& produto,
                                            QByteArray* tipoLido = nullptr);

// The operations of the transaction form the steps call back into.
struct TFormConversao {
    QLabel* lbMensagem = nullptr;
    std::function<int()> executaConsulta; // the form's (virtual) conversion query
    std::function<bool()> obtemDadosEmv;  // chip data for the request
    std::function<int(int)> gravaTrilhas; // card-data record; 0 = written
    std::function<void(int)> fecha;       // ends the form with that modal result
};

// Confirm-path step: true to go on with the sale.
MOEDA_API bool VerificaConverteMoeda(const TFormConversao& form);

// The query: 0 = an offer is ready for the customer; -1 = no query or no
// usable reply; otherwise what the package said of the reply's offer.
// Always leaves the outcome pre-set ("FF", message 801) for a sale that ends
// before its own authorization.
MOEDA_API int ExecutaConsultaConversaoMoeda(const TFormConversao& form);

} // namespace Conversaomoedakora
