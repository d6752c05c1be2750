// The outcome text of an address verification goes to field 1027 on one line.
#include "capture/Consavskora.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
QByteArray Troca(const QByteArray& texto, int capacidade = 257) {
    QByteArray b(capacidade, '\0');
    std::memcpy(b.data(), texto.constData(), size_t(qMin(texto.size(), qsizetype(capacidade))));
    const int n = TrocaCRLFEspaco(b.data(), capacidade, int(texto.size()));
    EXPECT_EQ(b[n], '\0');
    return b.left(n);
}
} // namespace

// Pairs becoming one blank is scenario avs-aprovada.
TEST(TrocaCRLFEspaco, LoneBreaksStay) {
    EXPECT_EQ(Troca("A\rB\nC\r"), "A\rB\nC\r");
    EXPECT_EQ(Troca(""), "");
}

TEST(TrocaCRLFEspaco, KeepsAtMost128CharactersAndTheTerminator) {
    EXPECT_EQ(Troca(QByteArray(200, 'x')), QByteArray(128, 'x'));
    // A small buffer keeps room for its terminator.
    EXPECT_EQ(Troca("ABCDEFGH", 5), "ABCD");
    // The length given bounds the text as much as its terminator.
    QByteArray b("AB\r\nCD");
    b.append('\0');
    EXPECT_EQ(TrocaCRLFEspaco(b.data(), int(b.size()), 3), 3);
    EXPECT_EQ(QByteArray(b.constData()), "AB\r");
}
