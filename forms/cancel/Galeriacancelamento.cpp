#include "cancel/Galeriacancelamento.h"

#include "Campos.h"
#include "Servicoc1kora.h"

#include <QByteArray>

namespace GaleriaCancelamento {
void VendaACancelar() {
    (void)Campos::Grava(CAMPO_VALOR_TRANSACAO, QStringLiteral("15075"));
    Campos::Limpa(CAMPO_DATA_ORIGINAL);
    Campos::Limpa(CAMPO_NSU_ORIGINAL);
    Campos::Limpa(CAMPO_VALOR_CANCELAR);
}

void ListaC1() {
    QByteArray c1("C1");
    const char* entradas[][3] = {
        {"01", "0001", "CREDITO A VISTA"}, {"03", "0002", "DEBITO A VISTA"}, {"05", "0003", "PRE-AUTORIZACAO"}};
    c1.append(char(3)).append(char(0));
    for (const auto& e : entradas) c1 += QByteArray("111") + e[0] + e[1] + QByteArray(e[2]).leftJustified(40, '\0');
    c1 = c1.leftJustified(2 + TAM_SERVICO_C1, '\0');
    (void)Campos::Grava(CAMPO_QTD_SERVICOS_GUARDADOS, QStringLiteral("1"));
    (void)Campos::GravaBytes(CAMPO_SERVICOS_GUARDADOS, c1);
    (void)Campos::Grava(CAMPO_CODIGO_PRODUTO, QStringLiteral("0001"));
}
} // namespace GaleriaCancelamento
