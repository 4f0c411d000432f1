#include <gtest/gtest.h>

#include "report/bracket_scanner.hpp"
#include "report/memo_filler.hpp"
#include "sample_layout.hpp"

namespace vezu {
namespace {

struct Case {
    std::string text;
    std::string expected;
    std::size_t errors = 0;
};

class MemoFillerTest : public ::testing::TestWithParam<Case> {
protected:
    MemoFillerTest() {
        variables.add({" New Category1", std::nullopt});
        variables.set("New Variable1", quotedLiteral("ARQUIVO: D'ÁGUA     DATA: 05/03/24"));
        variables.set("Chained", "New Variable1");
        variables.set("Lines", "first\r\nsecond");
        variables.set("Number", "42");
        variables.set("Loop", "Loop");
        variables.add({"Empty", std::nullopt});
        variables.set("Blank", "");
        table->first();
        adapter.bind(*table);
    }

    std::string fill(const MemoView& memo) {
        ExpressionContext context{
            variables,
            [this](std::string_view name) { return name == "frxDBDataset1" ? &adapter : nullptr; },
            fs, errors, 7};
        return fillMemoText(memo, context);
    }

    VariableList variables;
    std::unique_ptr<Table> table = test::lotWith(1);
    DBDataset adapter{"frxDBDataset1"};
    FormatSettings fs;
    ErrorList errors;
};

TEST_P(MemoFillerTest, ReplacesEachBracketedExpression) {
    const Case& c = GetParam();
    EXPECT_EQ(fill(test::memo("Memo3", 0, 0, 100, c.text)), c.expected);
    EXPECT_EQ(errors.size(), c.errors) << (errors.empty() ? "" : errors.lines().front());
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, MemoFillerTest,
    ::testing::Values(Case{"RELATÓRIO DE PESAGENS", "RELATÓRIO DE PESAGENS"},
                      Case{"[New Variable1]",
                           "ARQUIVO: D'ÁGUA     DATA: 05/03/24"}, // one quote, not two
                      Case{"[new variable1]", "ARQUIVO: D'ÁGUA     DATA: 05/03/24"},
                      Case{"<[Chained]>", "<ARQUIVO: D'ÁGUA     DATA: 05/03/24>"},
                      Case{"[Lines]", "first\r\nsecond"}, Case{"[Number]", "42"},
                      Case{"[Empty]", ""}, Case{"[Blank][]", ""},
                      Case{"[ 'a]b' ]", "a]b"},       // a bracket inside quotes does not close
                      Case{"['[Page#]']", "[Page#]"}, // an inserted value is not scanned again
                      Case{"['it''s']", "it's"},
                      Case{"Página: [Page#] de [TotalPages#]", "Página: 7 de [TotalPages#]"},
                      Case{"[PAGE#]/[totalpages#]", "7/[TotalPages#]"},
                      Case{"[frxDBDataset1.\"ID\"] kg", "A1 kg"},
                      Case{"open [New Variable1", "open [New Variable1"}, Case{"[Unknown]", "", 1},
                      Case{"[Loop]", "", 1}, Case{"[frxDBDataset1.\"Nope\"]", "", 1}));

TEST_F(MemoFillerTest, DataMemoShowsDisplayTextWhateverItsText) {
    fs.currencyString = "R$";
    fs.currencyFormat = 2;
    fs.decimalSeparator = ",";
    fs.thousandSeparator = ".";
    for (const auto& [field, expected] : std::vector<std::pair<std::string, std::string>>{
             {"ID", "A1"}, {"peso", "101"}, {"Valor", "R$ 850,50"}, {"GANHO", ""}, {"CC1", ""}}) {
        MemoView memo = test::dataMemo(field, 0);
        memo.text = "[Unknown]";
        EXPECT_EQ(fill(memo), expected) << field;
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(MemoFillerTest, MemoWithoutExpressionsKeepsItsBrackets) {
    MemoView memo = test::memo("Memo3", 0, 0, 100, "[New Variable1]");
    memo.allowExpressions = false;
    EXPECT_EQ(fill(memo), "[New Variable1]");
}

TEST(BracketScannerTest, FindsTheMatchingBracket) {
    const std::vector<std::pair<std::string_view, std::size_t>> cases = {
        {"[a]", 2},      {"[a[b]c]", 6},    {"['x]']", 5},
        {"[\"x]\"]", 5}, {"['it''s]']", 9}, {"[a", std::string_view::npos}};
    for (const auto& [text, close] : cases) {
        EXPECT_EQ(findClosingBracket(text, 0), close) << text;
    }
}

TEST(BracketScannerTest, QuotedLiteralRoundTrips) {
    for (std::string_view text : {"", "plain", "D'ÁGUA", "''", "a'b'c"}) {
        std::string back;
        ASSERT_TRUE(unquoteLiteral(quotedLiteral(text), back)) << text;
        EXPECT_EQ(back, text);
    }
    std::string ignored;
    EXPECT_FALSE(unquoteLiteral("'a'b'", ignored));
    EXPECT_FALSE(unquoteLiteral("abc", ignored));
}

} // namespace
} // namespace vezu
