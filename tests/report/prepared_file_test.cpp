#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <unistd.h>

#include "base/error.hpp"
#include "report/prepared_file.hpp"
#include "report/report.hpp"
#include "sample_layout.hpp"

namespace vezu {
namespace {

TEST(PreparedFileTest, SavedPagesOpenAgainWithTheirObjectsAndTexts) {
    auto table = test::lotWith(60);
    DBDataset adapter("frxDBDataset1");
    adapter.bind(*table);
    Report report;
    report.setLayout(test::sampleLayout());
    report.addDataSet(adapter);
    report.setVariable("New Variable1", "'  blanks kept  '");
    ASSERT_TRUE(report.prepare());
    ASSERT_TRUE(report.prepare(false)); // two runs, two layouts
    const auto path =
        std::filesystem::temp_directory_path() / ("vezu-prepared-" + std::to_string(::getpid()));
    savePreparedPages(report.preparedPages(), path);
    const PreparedPages back = loadPreparedPages(path);
    std::filesystem::remove(path);

    const PreparedPages& original = report.preparedPages();
    ASSERT_EQ(back.count(), original.count());
    ASSERT_EQ(back.layouts().size(), 2u);
    for (std::size_t p = 0; p < back.count(); ++p) {
        const auto& a = original.page(p).objects;
        const auto& b = back.page(p).objects;
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(box(*b[i].source).name, box(*a[i].source).name);
            EXPECT_EQ(b[i].text, a[i].text);
            EXPECT_EQ(b[i].box.top, a[i].box.top);
        }
    }
    EXPECT_EQ(back.page(0).objects[0].text, "  blanks kept  ");
    EXPECT_EQ(back.page(2).paper, &back.layouts()[1]->page->paper);
}

TEST(PreparedFileTest, RejectsOtherFiles) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("vezu-prepared-bad-" + std::to_string(::getpid()));
    for (const char* content : {"nonsense", "<korbane-report/>",
                                "<korbane-prepared><page layout=\"0\"/></korbane-prepared>"}) {
        std::ofstream(path) << content;
        EXPECT_THROW(loadPreparedPages(path), Error) << content;
    }
    std::filesystem::remove(path);
}

// A damaged file is refused with what is wrong, instead of being drawn from
// values that are not there.
TEST(PreparedFileTest, RefusesADamagedFileSayingWhatIsWrong) {
    auto table = test::lotWith(60);
    DBDataset adapter("frxDBDataset1");
    adapter.bind(*table);
    Report report;
    report.setLayout(test::sampleLayout());
    report.addDataSet(adapter);
    ASSERT_TRUE(report.prepare());
    const auto path =
        std::filesystem::temp_directory_path() / ("vezu-damaged-" + std::to_string(::getpid()));
    savePreparedPages(report.preparedPages(), path);
    std::string saved;
    {
        std::ifstream in(path, std::ios::binary);
        saved.assign(std::istreambuf_iterator<char>(in), {});
    }
    struct Case {
        const char* damage;
        const char* pattern;
        const char* replacement;
        const char* why;
    };
    for (const Case& c : {
             Case{"fonts missing", "&lt;font [^&]*/&gt;", "", "não tem fonte"},
             Case{"font of no size", "(&lt;font [^&]*height=\")[0-9]+", "$010",
                  "fonte ou espaçamento"},
             Case{"object without width", " w=\"[^\"]*\"", "", "não tem posição e tamanho válidos"},
             Case{"negative height", " h=\"[^\"]*\"", " h=\"-4\"",
                  "não tem posição e tamanho válidos"},
             Case{"position beyond any number", " x=\"[^\"]*\"", " x=\"1e999\"",
                  "não tem posição e tamanho"},
             Case{"paper of no width", "paperWidth=\"[^\"]*\"", "paperWidth=\"0\"",
                  "papel ou margens"},
             Case{"page of a layout not in the file", "layout=\"0\"", "layout=\"3\"",
                  "indica o layout \"3\", mas o arquivo tem 1"},
             Case{"layout without its page", "&lt;(/?)page\\b", "&lt;$1sheet", "não tem página"},
             Case{"object not in the layout", "ref=\"b2\\.", "ref=\"b9.",
                  "objeto que o layout não tem"},
         }) {
        const std::string content = std::regex_replace(saved, std::regex(c.pattern), c.replacement);
        ASSERT_NE(content, saved) << c.damage;
        std::ofstream(path, std::ios::binary) << content;
        try {
            loadPreparedPages(path);
            ADD_FAILURE() << c.damage << ": opened";
        } catch (const Error& error) {
            const std::string text = error.what();
            EXPECT_TRUE(
                text.starts_with("O relatório salvo \"" + path.string() + "\" está danificado: "))
                << c.damage << ": " << text;
            EXPECT_NE(text.find(c.why), std::string::npos) << c.damage << ": " << text;
        }
    }
    std::filesystem::remove(path);
}

} // namespace
} // namespace vezu
