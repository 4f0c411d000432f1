#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "app/app_windows.hpp"
#include "app/fonts.hpp"
#include "scripted_interaction.hpp"

namespace vezu {

inline QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "app-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        auto* created = new QApplication(argc, argv);
        installFontSubstitutes();
        return created;
    }();
    return *app;
}

// A fresh home folder per test (the documents folder lies in it), the five
// windows, and scripted answers.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        qtApp();
        ASSERT_TRUE(home_.isValid());
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home_.path() + "/.config").toUtf8());
        documents_ = home_.path() + "/Documents";
        fs_.decimalSeparator = ",";
        fs_.thousandSeparator = ".";
    }

    // Settings written before the window first shows, as a previous run left them.
    void writeConfig(const std::string& content) {
        std::filesystem::create_directories((documents_ + "/Korbane").toStdString());
        std::ofstream(configPath(), std::ios::binary) << content;
    }
    std::string configPath() const { return (documents_ + "/Korbane/Config.ini").toStdString(); }

    AppWindows& start() {
        windows_ = std::make_unique<AppWindows>(ui_, fs_);
        windows_->FrmPrinc.show();
        return *windows_;
    }
    FrmPrinc& princ() { return windows_->FrmPrinc; }

    // Opens a listing through "Abrir pen drive" with the file dialog answered.
    void openListing(const QString& path) {
        ui_.openAnswers.push_back(path);
        princ().Pendrive->trigger();
    }

    static QString fixture(const char* name) {
        return QString::fromUtf8(VEZU_FIXTURES) + "/" + QString::fromUtf8(name);
    }
    static std::string bytesOf(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    QTemporaryDir home_;
    QString documents_;
    FormatSettings fs_;
    ScriptedInteraction ui_;
    std::unique_ptr<AppWindows> windows_;
};

} // namespace vezu
