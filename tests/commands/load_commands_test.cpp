#include "base/error.hpp"
#include "commands_fixture.hpp"

namespace vezu {
namespace {

using LoadCommands = CommandsFixture;

const std::string kDiscard = "Os dados atuais serão descartados, deseja abrir outro arquivo ?";

TEST_F(LoadCommands, NothingLoadedGoesStraightToTheDialogAndParsesTheChoice) {
    for (const int model : {0, 1}) {
        ui = ScriptedInteraction();
        commands.Modelo = model;
        const char* listing = model == 0 ? "kr10-three.txt" : "kr20-two-lots.txt";
        ui.openAnswers.push_back(fixture(listing));
        EXPECT_EQ(commands.PendriveExecute(), CommandResult::Done);

        EXPECT_TRUE(ui.questions.empty()) << model;
        EXPECT_EQ(ui.openFolders, std::vector<std::string>{path("Pesagens")});
        EXPECT_EQ(commands.Caminho, fixture(listing));
        EXPECT_EQ(store.hasKr10Data(), model == 0);
        EXPECT_EQ(store.C(), model == 1 ? 2 : 0);
        // Loaded data of the other model goes with the question answered.
        ui.answers.push_back(true);
        ui.openAnswers.push_back(std::nullopt);
        commands.PendriveExecute();
    }
}

TEST_F(LoadCommands, ASecondListingAsksAndDiscardsBeforeTheDialog) {
    load(0, "kr10-three.txt");
    view.pagesRemoved = 0;

    // Cancel: nothing changes and no dialog shows.
    ui.answers.push_back(false);
    EXPECT_EQ(commands.PendriveExecute(), CommandResult::Cancelled);
    EXPECT_EQ(ui.questions, std::vector<std::string>{kDiscard});
    EXPECT_TRUE(ui.openFolders.empty());
    EXPECT_EQ(view.pagesRemoved, 0);
    EXPECT_EQ(store.CDS1().recordCount(), 3u);

    // OK, then the dialog cancelled: the data is gone all the same, and the
    // pages went while their tables still stood.
    ui.answers.push_back(true);
    ui.openAnswers.push_back(std::nullopt);
    EXPECT_EQ(commands.PendriveExecute(), CommandResult::Cancelled);
    EXPECT_EQ(view.pagesRemoved, 1);
    EXPECT_EQ(view.recordsShownAtRemoval, 3u);
    EXPECT_EQ(store.CDS1().recordCount(), 0u);

    // Nothing loaded now: no question.
    load(0, "kr10-three.txt");
    EXPECT_EQ(store.CDS1().recordCount(), 3u);
}

TEST_F(LoadCommands, Kr20AsksWhenRowsAreLoaded) {
    load(1, "kr20-two-lots.txt");
    ui.answers.push_back(true);
    ui.openAnswers.push_back(fixture("kr20-two-lots.txt"));
    commands.PendriveExecute();
    EXPECT_EQ(ui.questions, std::vector<std::string>{kDiscard});
    EXPECT_EQ(store.C(), 2);
    EXPECT_EQ(store.lot(1).objectName(), "CDC1");
}

TEST_F(LoadCommands, PagesWithoutRowsGoWithoutAQuestion) {
    load(0, "kr10-header-only.txt");
    EXPECT_EQ(view.parses, 1);
    load(0, "kr10-three.txt");
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(view.pagesRemoved, 2);
    EXPECT_EQ(store.CDS1().recordCount(), 3u);
}

TEST_F(LoadCommands, AModelOtherThanZeroOrOneTakesNeitherPath) {
    commands.Modelo = 2;
    EXPECT_EQ(commands.PendriveExecute(), CommandResult::Cancelled);
    EXPECT_EQ(commands.ExportcvsExecute(), CommandResult::NothingToExport);
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_TRUE(ui.openFolders.empty());
    EXPECT_EQ(view.parses, 0);
}

TEST_F(LoadCommands, AMissingFileOrAParseErrorIsThrownForTheErrorReport) {
    struct Case {
        int model;
        std::string listing;
        std::string error; // what() ends with it
        int parses;
    };
    const Case cases[] = {
        {0, path("nao-existe.txt"), "Arquivo não existe !", 0},
        {0, fixture("kr10-no-header.txt"), "Arquivo inválido !", 1},
        {0, fixture("kr10-bad-weight.txt"), "is not a valid integer value", 1},
        {1, fixture("kr20-bad-weight.txt"), "is not a valid integer value", 1},
    };
    for (const Case& c : cases) {
        view.parses = 0;
        commands.Caminho.clear();
        commands.Modelo = c.model;
        if (store.hasKr10Data() || store.hasKr20Data()) {
            ui.answers.push_back(true);
        }
        ui.openAnswers.push_back(c.listing);
        try {
            commands.PendriveExecute();
            ADD_FAILURE() << c.listing;
        } catch (const Error& error) {
            EXPECT_TRUE(std::string(error.what()).ends_with(c.error)) << error.what();
        }
        EXPECT_EQ(view.parses, c.parses) << c.listing;
        EXPECT_EQ(commands.Caminho.empty(), c.parses == 0) << c.listing;
        EXPECT_EQ(ui.beeps, 0);
    }
}

TEST_F(LoadCommands, AfterAModelSwitchTheOtherModelsDataGoesOnlyAfterOk) {
    load(0, "kr10-three.txt");
    commands.Modelo = 1;
    ui.answers.push_back(false);
    commands.PendriveExecute();
    EXPECT_EQ(store.CDS1().recordCount(), 3u);

    load(1, "kr20-two-lots.txt");
    EXPECT_EQ(store.CDS1().recordCount(), 0u);
    EXPECT_EQ(store.C(), 2);
}

} // namespace
} // namespace vezu
