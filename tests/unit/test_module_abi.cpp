// The built module exports its host ABI and nothing else, and its host texts
// are filled as data only.
#include "Constanteskora.h"
#include "Contextokora.h"

#include <QFile>
#include <dlfcn.h>
#include <elf.h>
#include <gtest/gtest.h>
#include <cstring>
#include <set>
#include <string>

namespace {

// Defined global symbols of the ELF file's dynamic symbol table.
std::set<std::string> SimbolosDinamicos(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray b = f.readAll();
    auto em = [&](size_t off, size_t n) { return off <= size_t(b.size()) && n <= size_t(b.size()) - off; };
    Elf64_Ehdr eh;
    if (!em(0, sizeof eh)) return {};
    std::memcpy(&eh, b.constData(), sizeof eh);
    auto secao = [&](size_t i) {
        Elf64_Shdr s{};
        if (em(eh.e_shoff + i * sizeof s, sizeof s)) std::memcpy(&s, b.constData() + eh.e_shoff + i * sizeof s, sizeof s);
        return s;
    };
    std::set<std::string> nomes;
    for (size_t i = 0; i < eh.e_shnum; ++i) {
        const Elf64_Shdr s = secao(i);
        if (s.sh_type != SHT_DYNSYM || !em(s.sh_offset, s.sh_size)) continue;
        const Elf64_Shdr str = secao(s.sh_link);
        for (size_t off = 0; off + sizeof(Elf64_Sym) <= s.sh_size; off += sizeof(Elf64_Sym)) {
            Elf64_Sym sym;
            std::memcpy(&sym, b.constData() + s.sh_offset + off, sizeof sym);
            if (sym.st_shndx == SHN_UNDEF || ELF64_ST_BIND(sym.st_info) == STB_LOCAL || sym.st_name >= str.sh_size)
                continue;
            const char* p = b.constData() + str.sh_offset + sym.st_name;
            nomes.insert(std::string(p, strnlen(p, str.sh_size - sym.st_name)));
        }
    }
    return nomes;
}

} // namespace

TEST(ModuloAbi, DynamicSymbolTableIsExactlyTheHostAbi) {
    void* modulo = dlopen(KORA_MODULO, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(modulo, nullptr) << dlerror();
    const char* id = static_cast<const char*>(dlsym(modulo, "KORA_IDENTIFICACAO"));
    ASSERT_NE(id, nullptr);
    EXPECT_EQ(id[0], '\x02');
    EXPECT_NE(dlsym(modulo, "ExecutaVenda"), nullptr);

    std::set<std::string> esperados{
        "Initialize", "Finalize", "ObtemVersao", "ExecutaVenda", "ExecutaFuncaoADM", "ExecutaPreAutorizacao",
        "ExecutaGenerico", "ExecutaConsultaCheque", "RealizaConsultaMenuOutros", "TIMEOUT", "MAX_TAM_CARTAO",
        "MIN_TAM_CARTAO", "TAM_VALIDADE", "MAX_TENTATIVAS", "SET_ERROS_CARTAO", "SET_CANCELADO", "MSG_SUCESSO",
        "MSG_CANCEL", "MSG_NAO_ACEITO", "MSG_CONECTE", "MSG_REPETIR", "MSG_OBRIGADO", "MSG_BRANCOS", "MSG_KORANET",
        "KORA_IDENTIFICACAO", "Kora41Galeria", "Kora41AbreForm"};
#define INTPOS(nome, valor) esperados.insert("INTPOS_TRANSACAO_HABILITADA_" #nome);
#define PONTAL(nome, valor) esperados.insert("PONTAL_" #nome);
    KORA_INTPOS_LISTA(INTPOS)
    KORA_PONTAL_LISTA(PONTAL)
#undef INTPOS
#undef PONTAL
    EXPECT_EQ(esperados.size(), 160u) << "the host's ABI lost or gained a name";

    const std::set<std::string> exportados = SimbolosDinamicos(QStringLiteral(KORA_MODULO));
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
    EXPECT_EQ(FormataMensagem(QStringLiteral("%s (%s)"), QStringLiteral("Produto"), QByteArray("07")),
              "Produto (07)");
    // A hostile or mismatched text never reads arguments that are not there.
    EXPECT_EQ(FormataMensagem(QStringLiteral("%s %s %n %d"), "x"), "%s %s %n %d");
    EXPECT_EQ(FormataMensagem(QStringLiteral("valor %d"), 12), "valor 12");
    EXPECT_EQ(FormataMensagem(QString::fromLatin1("Opera\xE7\xE3o %s"), "ok"), QString::fromLatin1("Opera\xE7\xE3o ok"));
}
