#include "Camposkora.h"
#include "Constanteskora.h"
#include "Koramain.h"
#include "Capturaautokora.h"
#include "Contextokora.h"
#include "Constanteskora.h"
#include "Servicoskora.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {
template <class T> const T* Simbolo(const char* nome) {
    return static_cast<const T*>(dlsym(RTLD_DEFAULT, nome));
}
} // namespace

TEST(ModuloConstantes, EnabledPositionsAreExportedByTheirPlainNames) {
    int total = 0;
#define CONFERE(nome, valor)                                                                     \
    {                                                                                            \
        const auto* p = Simbolo<uint16_t>("INTPOS_TRANSACAO_HABILITADA_" #nome);                 \
        ASSERT_NE(p, nullptr) << #nome;                                                          \
        EXPECT_EQ(*p, valor) << #nome;                                                           \
        ++total;                                                                                 \
    }
    KORA_INTPOS_LISTA(CONFERE)
#undef CONFERE
    EXPECT_EQ(total, 98);
    // Spot checks that do not go through the list.
    EXPECT_EQ(*Simbolo<uint16_t>("INTPOS_TRANSACAO_HABILITADA_CAPTURA_PRE"), 3);
    EXPECT_EQ(*Simbolo<uint16_t>("INTPOS_TRANSACAO_HABILITADA_CANC_RECARGA_CARTAO_DEBITO"), 88);
    EXPECT_EQ(*Simbolo<uint16_t>("INTPOS_TRANSACAO_HABILITADA_COMPOSICAO_FATURA_CPF"), 21);
    EXPECT_EQ(*Simbolo<uint16_t>("PONTAL_MODO_COLETA_DADOS_USO_CHIP"), 6);
    EXPECT_EQ(*Simbolo<uint16_t>("PONTAL_TRANSACAO_HABILITADA_CHEQUE_SERASA"), 22);
    EXPECT_EQ(*Simbolo<uint16_t>("PONTAL_MODO_OPERACAO_TERMINAL_NOTA_PROMISSORIA"), 3);
}

TEST(ModuloConstantes, LimitsSetsAndPinpadTexts) {
    EXPECT_DOUBLE_EQ(*Simbolo<double>("TIMEOUT"), 40.0);
    EXPECT_EQ(*Simbolo<uint16_t>("MAX_TAM_CARTAO"), 19);
    EXPECT_EQ(*Simbolo<uint16_t>("MIN_TAM_CARTAO"), 11);
    EXPECT_EQ(*Simbolo<uint16_t>("TAM_VALIDADE"), 4);
    EXPECT_EQ(*Simbolo<uint16_t>("MAX_TENTATIVAS"), 20);

    const auto* erros = Simbolo<TSmallintSet>("SET_ERROS_CARTAO");
    const auto* cancel = Simbolo<TSmallintSet>("SET_CANCELADO");
    ASSERT_TRUE(erros && cancel);
    int membros = 0;
    for (int n = 0; n <= 256; ++n) membros += erros->contem(n);
    EXPECT_EQ(membros, 8);
    for (int n : {40, 41, 44, 46, 49, 58, 105, 158}) EXPECT_TRUE(erros->contem(n)) << n;
    EXPECT_TRUE(cancel->contem(5) && cancel->contem(9) && cancel->contem(90));
    EXPECT_FALSE(cancel->contem(0) || cancel->contem(255) || cancel->contem(6));

    auto texto = [](const char* nome) { return std::string(Simbolo<char>(nome)); };
    EXPECT_EQ(texto("MSG_SUCESSO"), "OPERA\xC7\xC3O REALIZADA COM SUCESSO.");
    EXPECT_EQ(texto("MSG_CANCEL"), "OPERA\xC7\xC3O CANCELADA.");
    EXPECT_EQ(texto("MSG_NAO_ACEITO"), "     CARTAO     \r   NAO ACEITO   ");
    EXPECT_EQ(texto("MSG_CONECTE"), "ERRO CONECTE PIN (");
    EXPECT_EQ(texto("MSG_REPETIR"), ")   \r  TENTE DE NOVO  ");
    EXPECT_EQ(texto("MSG_OBRIGADO").size(), 16u);
    EXPECT_EQ(texto("MSG_BRANCOS"), std::string(16, ' '));
    EXPECT_EQ(texto("MSG_KORANET"), " *** TULEN ***  ");
}

TEST(ModuloConstantes, EntryPointsAreExportedUnmangled) {
    for (const char* n : {"Initialize", "Finalize", "ObtemVersao", "ExecutaVenda", "ExecutaFuncaoADM",
                          "ExecutaPreAutorizacao", "ExecutaGenerico", "ExecutaConsultaCheque",
                          "RealizaConsultaMenuOutros"})
        EXPECT_NE(dlsym(RTLD_DEFAULT, n), nullptr) << n;
    const char* id = Simbolo<char>("KORA_IDENTIFICACAO");
    ASSERT_NE(id, nullptr);
    EXPECT_EQ(id[0], '\x02');
    EXPECT_NE(std::strstr(id, "<ver>7.0.5.11</ver>"), nullptr);
}

TEST(ModuloConstantes, HostTextsAreFilledAsDataOnly) {
    EXPECT_EQ(FormataMensagem(QStringLiteral("Form %s nao criado"), "FrmVis_Deb"), "Form FrmVis_Deb nao criado");
    EXPECT_EQ(FormataMensagem(QStringLiteral("%s (%s)"), QStringLiteral("Produto"), QByteArray("07")),
              "Produto (07)");
    // A hostile or mismatched text never reads arguments that are not there.
    EXPECT_EQ(FormataMensagem(QStringLiteral("%s %s %n %d"), "x"), "%s %s %n %d");
    EXPECT_EQ(FormataMensagem(QStringLiteral("valor %d"), 12), "valor 12");
    EXPECT_EQ(FormataMensagem(QString::fromLatin1("Opera\xE7\xE3o %s"), "ok"), QString::fromLatin1("Opera\xE7\xE3o ok"));
}
