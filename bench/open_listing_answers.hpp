#pragma once

#include <cstdio>
#include <optional>

#include "app/user_interaction.hpp"

namespace vezu {

// A user who agrees to every question and always chooses the same listing;
// errors are printed, since a benchmark that meets one measures nothing.
class OpenListingAnswers : public UserInteraction {
public:
    explicit OpenListingAnswers(QString listing) : listing_(std::move(listing)) {}
    bool ask(const QString&) override { return true; }
    bool confirm(const QString&) override { return false; }
    void showError(const QString& text) override {
        std::fprintf(stderr, "error: %s\n", text.toUtf8().constData());
    }
    void showMessage(const QString&) override {}
    std::optional<QString> openFile(const QString&, const QString&) override { return listing_; }
    std::optional<QString> saveFile(const QString&, const QString&) override { return {}; }
    void shellOpen(const QString&) override {}
    void beep() override {}

private:
    QString listing_;
};

} // namespace vezu
