#include <gtest/gtest.h>

#include "export/sheet_names.hpp"

namespace vezu {
namespace {

TEST(SheetNames, RefusedCharactersAndLengthAreMended) {
    struct Case {
        std::string wanted, expected;
    };
    const std::string tooLong = "Lote " + std::string(40, 'X');
    std::string thirtyTwoAccents;
    for (int i = 0; i < 32; ++i) {
        thirtyTwoAccents += "É";
    }
    const std::string thirtyOneAccents = thirtyTwoAccents.substr(0, 62);
    for (const Case& c : {Case{"Lote A/B:C", "Lote A_B_C"},
                          {"Lote [x]*?\\", "Lote _x____"},
                          {"Lote a\tb\x01", "Lote a_b_"},
                          {"'Lote'", "_Lote_"},
                          {"Lote FÊMEAS", "Lote FÊMEAS"},
                          {tooLong, tooLong.substr(0, 31)},
                          {thirtyTwoAccents, thirtyOneAccents}}) {
        SheetNames names;
        EXPECT_EQ(names.claim(c.wanted), c.expected) << c.wanted;
    }
}

TEST(SheetNames, TakenNamesGetANumberIgnoringCaseAndAccentCase) {
    SheetNames names;
    EXPECT_EQ(names.claim("Lote MACHOS"), "Lote MACHOS");
    EXPECT_EQ(names.claim("Lote MACHOS"), "Lote MACHOS (2)");
    EXPECT_EQ(names.claim("lote machos"), "lote machos (3)");
    EXPECT_EQ(names.claim("Lote FÊMEAS"), "Lote FÊMEAS");
    EXPECT_EQ(names.claim("Lote fêmeas"), "Lote fêmeas (2)");
    // A different letter, not a different case: no clash.
    EXPECT_EQ(names.claim("Lote FEMEAS"), "Lote FEMEAS");
    // A mended name clashes like any other.
    EXPECT_EQ(names.claim("Lote A/B"), "Lote A_B");
    EXPECT_EQ(names.claim("Lote A:B"), "Lote A_B (2)");
    EXPECT_TRUE(names.isTaken("LOTE A_B (2)"));
    EXPECT_FALSE(names.isTaken("Lote A_B (3)"));
}

TEST(SheetNames, NumberedNamesStayWithinThirtyOneCharacters) {
    SheetNames names;
    const std::string full = "Lote " + std::string(26, 'N');
    ASSERT_EQ(names.claim(full), full);
    EXPECT_EQ(names.claim(full), "Lote " + std::string(22, 'N') + " (2)");
    for (int n = 3; n <= 10; ++n) {
        names.claim(full);
    }
    EXPECT_EQ(names.claim(full), "Lote " + std::string(21, 'N') + " (11)");
}

TEST(SheetNames, FoldCaseCoversLatinGreekAndCyrillicLetters) {
    EXPECT_EQ(foldCase("ÀÉÎÕÜÇÑ ŠŒŽŸ ĀĹŁŹ ΑΩ АЯЁ Az9_×"), "àéîõüçñ šœžÿ āĺłź αω аяё az9_×");
    EXPECT_EQ(foldCase("àéîõüçñ"), "àéîõüçñ");
}

} // namespace
} // namespace vezu
