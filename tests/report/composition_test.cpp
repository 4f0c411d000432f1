#include <gtest/gtest.h>

#include "report/report.hpp"
#include "sample_layout.hpp"

namespace vezu {
namespace {

struct PageShape {
    int rows;
    bool title; // title band and page-level objects
    bool summary;
    friend bool operator==(const PageShape&, const PageShape&) = default;
};

std::ostream& operator<<(std::ostream& out, const PageShape& s) {
    return out << "{rows " << s.rows << (s.title ? ", title" : "") << (s.summary ? ", summary" : "")
               << "}";
}

const PreparedObject* find(const PreparedPage& page, std::string_view name) {
    for (const PreparedObject& object : page.objects) {
        if (box(*object.source).name == name) {
            return &object;
        }
    }
    return nullptr;
}

std::vector<PageShape> shapes(const PreparedPages& pages) {
    std::vector<PageShape> result;
    for (const PreparedPage& page : pages.pages()) {
        int rows = 0;
        for (const PreparedObject& object : page.objects) {
            rows += box(*object.source).name == "frxDBDataset1ID";
        }
        result.push_back({rows, find(page, "Memo3") != nullptr && find(page, "Memo1") != nullptr,
                          find(page, "Memo5") != nullptr});
    }
    return result;
}

struct Case {
    int records;
    bool withSummary;
    std::vector<PageShape> expected;
};

class CompositionTest : public ::testing::TestWithParam<Case> {};

TEST_P(CompositionTest, FillsPagesWith46RowsThen53) {
    const Case& c = GetParam();
    auto table = test::lotWith(c.records);
    DBDataset adapter("frxDBDataset1");
    adapter.bind(*table);
    Report report;
    report.setLayout(test::sampleLayout(c.withSummary));
    report.addDataSet(adapter);
    ASSERT_TRUE(report.prepare()) << report.errorReport();
    EXPECT_EQ(shapes(report.preparedPages()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CompositionTest,
    ::testing::Values(Case{0, true, {{0, true, true}}}, Case{1, true, {{1, true, true}}},
                      Case{45, true, {{45, true, true}}},
                      // The page is full: the summary starts a page of its own.
                      Case{46, true, {{46, true, false}, {0, false, true}}},
                      Case{47, true, {{46, true, false}, {1, false, true}}},
                      Case{99, true, {{46, true, false}, {53, false, false}, {0, false, true}}},
                      Case{100, true, {{46, true, false}, {53, false, false}, {1, false, true}}},
                      Case{46, false, {{46, true, false}}},
                      Case{47, false, {{46, true, false}, {1, false, false}}}));

class PreparedReportTest : public ::testing::Test {
protected:
    void prepare(int records) {
        table = test::lotWith(records);
        adapter.bind(*table);
        report.setLayout(test::sampleLayout());
        report.addDataSet(adapter);
        ASSERT_TRUE(report.prepare()) << report.errorReport();
    }
    const PreparedPage& page(std::size_t n) { return report.preparedPages().page(n); }

    std::unique_ptr<Table> table;
    DBDataset adapter{"frxDBDataset1"};
    Report report;
};

TEST_F(PreparedReportTest, PlacesBandsWhereTheLayoutSays) {
    prepare(60);
    EXPECT_DOUBLE_EQ(find(page(0), "Memo3")->box.top, 35.67718);
    EXPECT_DOUBLE_EQ(find(page(0), "Memo6")->box.top, 117.16543);
    EXPECT_DOUBLE_EQ(find(page(0), "frxDBDataset1ID")->box.top, 136.06308);
    EXPECT_DOUBLE_EQ(find(page(0), "Memo1")->box.top, 0);
    EXPECT_DOUBLE_EQ(find(page(1), "Memo6")->box.top, 0);
    EXPECT_DOUBLE_EQ(find(page(1), "frxDBDataset1ID")->box.top, 18.89765);
    for (std::size_t n = 0; n < 2; ++n) {
        EXPECT_NEAR(find(page(n), "Memo7")->box.top, 1024.25263, 1e-9);
    }
}

TEST_F(PreparedReportTest, NumbersPagesAndKeepsTheTotalForDrawing) {
    prepare(100);
    ASSERT_EQ(report.preparedPages().count(), 3u);
    for (std::size_t n = 0; n < 3; ++n) {
        EXPECT_EQ(find(page(n), "Memo7")->text,
                  "Página: " + std::to_string(n + 1) + " de [TotalPages#]");
    }
}

TEST_F(PreparedReportTest, TellsOfEachPageAsSoonAsItIsComplete) {
    std::vector<std::size_t> heard;
    report.setPageListener([&](std::size_t count) {
        heard.push_back(count);
        EXPECT_EQ(report.preparedPages().count(), count);
    });
    prepare(100);
    EXPECT_EQ(heard, (std::vector<std::size_t>{1, 2, 3}));
}

// The grid marks the table's cursor: preparing only reads the table.
TEST_F(PreparedReportTest, LeavesTheTableCursorAlone) {
    table = test::lotWith(5);
    table->moveTo(2);
    adapter.bind(*table);
    report.setLayout(test::sampleLayout());
    report.addDataSet(adapter);
    ASSERT_TRUE(report.prepare()) << report.errorReport();
    EXPECT_EQ(table->recNo(), 2u);
    EXPECT_EQ(find(page(0), "frxDBDataset1ID")->text, "A1");
}

TEST_F(PreparedReportTest, KeepsTheLayoutUnchangedAndPagesAliveAfterClear) {
    prepare(3);
    const std::string before = std::get<MemoView>(report.layout().page->objects[0]).name;
    report.setVariable("New Variable1", "'x'");
    EXPECT_EQ(std::get<MemoView>(report.layout().page->objects[0]).name, before);
    EXPECT_FALSE(std::get<MemoView>(report.layout().page->objects[0]).font.has_value());
    EXPECT_EQ(find(page(0), "Memo3")->text, ""); // the variable was set after the run
}

TEST_F(PreparedReportTest, AppendsToThePagesOfTheLastRunWhenAsked) {
    prepare(1);
    ASSERT_TRUE(report.prepare(false));
    ASSERT_EQ(report.preparedPages().count(), 2u);
    EXPECT_EQ(find(page(1), "Memo7")->text, "Página: 2 de [TotalPages#]");
}

TEST(ReportTest, EmptyOrMissingLayoutGivesNoPageAndNoError) {
    Report report;
    EXPECT_FALSE(report.loadFromFile("/nonexistent/PDF1.fr3"));
    EXPECT_TRUE(report.prepare());
    EXPECT_EQ(report.preparedPages().count(), 0u);
}

TEST(ReportTest, FindsTheAdapterAmongTheApplicationsWhenTheListLacksIt) {
    auto table = test::lotWith(2);
    DBDataset adapter("frxDBDataset1");
    adapter.bind(*table);
    DataSetDirectory application;
    application.add(adapter);
    Report report(&application);
    report.setLayout(test::sampleLayout());
    ASSERT_TRUE(report.prepare());
    EXPECT_EQ(shapes(report.preparedPages()), (std::vector<PageShape>{{2, true, true}}));
}

TEST(ReportTest, UnboundAdapterFailsTheRunWithoutPages) {
    DBDataset adapter("frxDBDataset1");
    Report report;
    report.setLayout(test::sampleLayout());
    report.addDataSet(adapter);
    EXPECT_FALSE(report.prepare());
    EXPECT_EQ(report.preparedPages().count(), 0u);
    EXPECT_EQ(
        report.errorReport(),
        "The following error(s) have occured:\nDataSet frxDBDataset1 is not connected to data");
}

TEST(ReportTest, EachMissingFieldIsReportedOnceWithHowOftenAndPagesStay) {
    Layout layout = test::sampleLayout();
    Band& data = layout.page->bands[2];
    data.objects.emplace_back(test::dataMemo("Nope", 500));
    data.objects.emplace_back(test::dataMemo("Other", 600));
    auto table = test::lotWith(1000);
    DBDataset adapter("frxDBDataset1");
    adapter.bind(*table);
    Report report;
    report.setLayout(layout);
    report.addDataSet(adapter);
    EXPECT_FALSE(report.prepare());
    EXPECT_GT(report.preparedPages().count(), 1u);
    ASSERT_EQ(report.errorList().size(), 2u);
    EXPECT_EQ(report.errorList().entries()[0].message,
              "frxDBDataset1Nope: Field not found: frxDBDataset1.\"Nope\"");
    EXPECT_EQ(report.errorList().entries()[0].count, 1000u);
    EXPECT_EQ(report.errorReport(),
              "The following error(s) have occured:\n"
              "frxDBDataset1Nope: Field not found: frxDBDataset1.\"Nope\" (1000×)\n"
              "frxDBDataset1Other: Field not found: frxDBDataset1.\"Other\" (1000×)");
}

TEST(ReportTest, AnErrorMetOnceHasNoCountAndEachRunStartsAgain) {
    Layout layout = test::sampleLayout();
    layout.page->bands[2].objects.emplace_back(test::dataMemo("Nope", 500));
    auto table = test::lotWith(1);
    DBDataset adapter("frxDBDataset1");
    adapter.bind(*table);
    Report report;
    report.setLayout(layout);
    report.addDataSet(adapter);
    EXPECT_FALSE(report.prepare());
    EXPECT_EQ(report.errors(), std::vector<std::string>{
                                   "frxDBDataset1Nope: Field not found: frxDBDataset1.\"Nope\""});
    EXPECT_FALSE(report.prepare());
    EXPECT_EQ(report.errorList().entries()[0].count, 1u) << "each run starts a new list";
}

} // namespace
} // namespace vezu
