#include "soak/Dadoscartao.h"

#include <gtest/gtest.h>

using namespace DadosCartao;

namespace {
Segredos Um() {
    Segredos s;
    AcrescentaTrilha(s, ";5899160000123450=29121010000012345?");
    AcrescentaCodigo(s, "CSEG:739");
    return s;
}
std::vector<std::string> Oque(std::string_view dados, const Segredos& s) {
    std::vector<std::string> r;
    for (const auto& a : Examina(dados, s)) r.push_back(a.oque);
    return r;
}
} // namespace

TEST(DadosCartao, LuhnAcceptsOnlyValidCardNumbers) {
    EXPECT_TRUE(Luhn("4111111111111111"));
    EXPECT_FALSE(Luhn("4111111111111112"));
    EXPECT_FALSE(Luhn("411111111111"));         // too short for a card
    EXPECT_FALSE(Luhn("41111111111111111111")); // too long
    EXPECT_FALSE(Luhn("4111-1111-1111-1111"));
}

TEST(DadosCartao, TrackGivesItsNumberAndItsTail) {
    const Segredos s = Um();
    ASSERT_EQ(s.cartoes, std::vector<std::string>{"5899160000123450"});
    ASSERT_EQ(s.restoTrilha, std::vector<std::string>{"=29121010000012345"});
    EXPECT_EQ(s.codigos, std::vector<std::string>{"739"});

    Segredos t1;
    AcrescentaTrilha(t1, "%B5899160000123450^TESTE/CARTAO^2912101000000012345000000?");
    EXPECT_EQ(t1.cartoes, s.cartoes);
    ASSERT_EQ(t1.restoTrilha.size(), 1u);
    EXPECT_EQ(t1.restoTrilha[0].substr(0, 8), "^TESTE/C");

    // Test cards need not pass the Luhn check; runs too short or too long for a card are not cards.
    Segredos teste;
    AcrescentaTrilha(teste, "5555666677778888d2812101 123456789012 12345678901234567890");
    EXPECT_EQ(teste.cartoes, std::vector<std::string>{"5555666677778888"});
    EXPECT_EQ(teste.restoTrilha, std::vector<std::string>{"d2812101 123456789012 12345678901234567890"});

    Segredos nada;
    AcrescentaCodigo(nada, "CSEG:");
    AcrescentaCodigo(nada, "12AB");
    EXPECT_TRUE(nada.cartoes.empty());
    EXPECT_TRUE(nada.codigos.empty());
}

TEST(DadosCartao, FindsTheNumberInTextAndInHex) {
    const Segredos s = Um();
    EXPECT_EQ(Oque(R"({"10146":"5899160000123450"})", s), std::vector<std::string>{"card number 589916******3450"});
    EXPECT_EQ(Oque("fieldsHex 35383939313630303030313233343530", s).size(), 1u);
    EXPECT_EQ(Oque("35383939313630303030313233343530", s)[0], "card number (hex) 589916******3450");
    EXPECT_EQ(Oque("3538393931363030303031323334353000", s).size(), 1u);
}

TEST(DadosCartao, MaskedNumbersAndLooseDigitsAreClean) {
    const Segredos s = Um();
    EXPECT_TRUE(Oque(R"({"10146":"589916******3450","1003":"739","20013":"000739"})", s).empty());
    EXPECT_TRUE(Oque("Modulo Kora41.bpl : Saiu - Retorno 739", s).empty());
    EXPECT_TRUE(Oque("", s).empty());
}

TEST(DadosCartao, TrackTailBehindAMaskedNumberIsStillTrackData) {
    const Segredos s = Um();
    EXPECT_EQ(Oque("589916******3450=29121010000012345", s), std::vector<std::string>{"track data"});
}

TEST(DadosCartao, SecurityCodeNextToItsFieldOrPrefix) {
    const Segredos s = Um();
    EXPECT_EQ(Oque(R"({"10149":"739"})", s).size(), 1u);
    EXPECT_EQ(Oque("10149=739\n", s).size(), 1u);
    EXPECT_EQ(Oque("dados CSEG:739", s).size(), 1u);
    EXPECT_TRUE(Oque(R"({"10149":"7390"})", s).empty()); // another, longer value
    EXPECT_TRUE(Oque(R"({"10149":""} "1003":"739")", s).empty());
}

TEST(DadosCartao, AnyTrack2IsFoundEvenOfAnUnknownCard) {
    const Segredos nenhum;
    const auto r = Oque("x;4111111111111111=2912101?", nenhum);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0], "track 2 of 411111******1111");
    EXPECT_TRUE(Oque("4111111111111112=2912", nenhum).empty()); // not a card number
    EXPECT_TRUE(Oque("4111111111111111=29", nenhum).empty());   // no expiry
}
