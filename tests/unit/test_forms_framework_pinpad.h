// Scriptable pinpad operations for the framework tests. They are weak, so a
// stronger stand-in elsewhere in the test program wins; while no script is
// active each forwards to the simulated host's own operation.
#pragma once
#include <QByteArray>
#include <QString>
#include <deque>

namespace PinpadFalso {
struct Estado {
    bool ativo = false;
    std::deque<int> processaEmv; // answers of ProcessaDadosEmv, 0 once empty
    QString textoEmv;            // what ProcessaDadosEmv leaves in the label
    int senha = 0;
    int chamadasSenha = 0;
    QString tituloSenha;
    int retDadosKora = 0;
    QByteArray dadosKora;
    int chamadasDadosKora = 0;
    int tipoProduto = -1;
    QString extra;
    bool chipContato = false;
    int finalizacoes = 0;
};
Estado& estado();
} // namespace PinpadFalso
