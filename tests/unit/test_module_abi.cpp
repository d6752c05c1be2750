// The built module exports its host ABI and nothing else, and its host texts
// are filled as data only.
#include "Constanteskora.h"
#include "Contextokora.h"

#include <QProcess>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <set>
#include <string>

TEST(ModuloAbi, DynamicSymbolTableIsExactlyTheHostAbi) {
    void* modulo = dlopen(KORA_MODULO, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(modulo, nullptr) << dlerror();
    const char* id = static_cast<const char*>(dlsym(modulo, "KORA_IDENTIFICACAO"));
    ASSERT_NE(id, nullptr);
    EXPECT_EQ(id[0], '\x02');
    EXPECT_NE(dlsym(modulo, "ExecutaVenda"), nullptr);

    std::set<std::string> esperados{"Initialize",
                                    "Finalize",
                                    "ObtemVersao",
                                    "ExecutaVenda",
                                    "ExecutaFuncaoADM",
                                    "ExecutaPreAutorizacao",
                                    "ExecutaGenerico",
                                    "ExecutaConsultaCheque",
                                    "RealizaConsultaMenuOutros",
                                    "TIMEOUT",
                                    "MAX_TAM_CARTAO",
                                    "MIN_TAM_CARTAO",
                                    "TAM_VALIDADE",
                                    "MAX_TENTATIVAS",
                                    "SET_ERROS_CARTAO",
                                    "SET_CANCELADO",
                                    "MSG_SUCESSO",
                                    "MSG_CANCEL",
                                    "MSG_NAO_ACEITO",
                                    "MSG_CONECTE",
                                    "MSG_REPETIR",
                                    "MSG_OBRIGADO",
                                    "MSG_BRANCOS",
                                    "MSG_KORANET",
                                    "KORA_IDENTIFICACAO",
                                    "Kora41Galeria",
                                    "Kora41AbreForm"};
#define INTPOS(nome, valor) esperados.insert("INTPOS_TRANSACAO_HABILITADA_" #nome);
#define PONTAL(nome, valor) esperados.insert("PONTAL_" #nome);
    KORA_INTPOS_LISTA(INTPOS)
    KORA_PONTAL_LISTA(PONTAL)
#undef INTPOS
#undef PONTAL
    EXPECT_EQ(esperados.size(), 160u) << "the host's ABI lost or gained a name";

    QProcess nm;
    nm.start("nm", {"-D", "--defined-only", "--format=just-symbols", KORA_MODULO});
    ASSERT_TRUE(nm.waitForFinished() && nm.exitCode() == 0) << "nm could not read the module";
    std::set<std::string> exportados;
    for (const QByteArray& linha : nm.readAllStandardOutput().split('\n'))
        if (!linha.isEmpty()) exportados.insert(linha.toStdString());
    std::string faltam, sobram;
    for (const auto& n : esperados)
        if (!exportados.count(n)) faltam += n + ' ';
    for (const auto& n : exportados)
        if (!esperados.count(n)) sobram += n + ' ';
    EXPECT_EQ(faltam, "");
    EXPECT_EQ(sobram, "");
    dlclose(modulo);
}

TEST(ModuloAbi, HostTextsAreFilledAsDataOnly) {
    EXPECT_EQ(FormataMensagem(QStringLiteral("Form %s nao criado"), "FrmVis_Deb"), "Form FrmVis_Deb nao criado");
    EXPECT_EQ(FormataMensagem(QStringLiteral("%s (%s)"), QStringLiteral("Produto"), QByteArray("07")), "Produto (07)");
    // A hostile or mismatched text never reads arguments that are not there.
    EXPECT_EQ(FormataMensagem(QStringLiteral("%s %s %n %d"), "x"), "%s %s %n %d");
    EXPECT_EQ(FormataMensagem(QStringLiteral("valor %d"), 12), "valor 12");
    EXPECT_EQ(FormataMensagem(QString::fromLatin1("Opera\xE7\xE3o %s"), "ok"),
              QString::fromLatin1("Opera\xE7\xE3o ok"));
}
