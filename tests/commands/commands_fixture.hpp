#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "commands/weighing_commands.hpp"
#include "scripted_interaction.hpp"
#include "support/comma_decimal.hpp"

namespace vezu {

// Records what the commands announce to the face that shows the data.
class RecordingView : public ListingView {
public:
    int pagesRemoved = 0;
    int parses = 0;
    // Tables the view still shows when the discard step frees them.
    std::size_t recordsShownAtRemoval = 0;
    const WeighingStore* store = nullptr;

    void removePages() override {
        ++pagesRemoved;
        recordsShownAtRemoval = store->CDS1().recordCount();
    }
    void parse(const std::function<void(ListingObserver&)>& run) override {
        ++parses;
        ListingView::parse(run);
    }
};

// The command layer over a fresh data folder, with scripted answers.
class CommandsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        static int counter = 0;
        folder = std::filesystem::temp_directory_path() /
                 ("vezu-commands-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(folder / "Arquivos");
        std::filesystem::create_directories(folder / "Pesagens");
        view.store = &store;
        fs = commaDecimal();
        fs.currencyString = "R$";
        fs.currencyFormat = 2;
        fs.shortDateFormat = "dd/MM/yyyy";
        commands.setFormatSettings(fs);
        commands.CamCon = folder.string() + "/";
        commands.setToday([] {
            return std::chrono::year_month_day{std::chrono::year{2018}, std::chrono::January,
                                               std::chrono::day{4}};
        });
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Loads a fixture listing through "Abrir pen drive"; the script is left clean.
    void load(int model, const char* listing) {
        commands.Modelo = model;
        if (store.hasKr10Data() || store.hasKr20Data()) {
            ui.answers.push_back(true);
        }
        ui.openAnswers.push_back(fixture(listing));
        commands.PendriveExecute();
        ui.questions.clear();
        ui.openFolders.clear();
    }

    std::string path(const std::string& name) const { return (folder / name).string(); }
    bool exists(const std::string& name) const { return std::filesystem::exists(folder / name); }
    std::size_t filesIn(const std::string& sub = "") const {
        std::size_t count = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder / sub)) {
            count += entry.is_regular_file() ? 1 : 0;
        }
        return count;
    }
    static std::string fixture(const char* name) { return std::string(VEZU_FIXTURES "/") + name; }
    static std::string bytesOf(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path folder;
    FormatSettings fs;
    WeighingStore store;
    ScriptedInteraction ui;
    ScriptedReportDialogs dialogs;
    RecordingView view;
    WeighingCommands commands{store, ui, dialogs, view};
};

} // namespace vezu
