#pragma once

#include <cstdio>
#include <optional>

#include <string>

#include "commands/user_interaction.hpp"

namespace vezu {

// A user who agrees to every question and always chooses the same listing;
// errors are printed, since a benchmark that meets one measures nothing.
class OpenListingAnswers : public UserInteraction {
public:
    explicit OpenListingAnswers(std::string listing) : listing_(std::move(listing)) {}
    bool ask(const std::string&) override { return true; }
    bool confirm(const std::string&) override { return false; }
    void showError(const std::string& text) override {
        std::fprintf(stderr, "error: %s\n", text.c_str());
    }
    void showMessage(const std::string&) override {}
    std::optional<std::string> openFile(const std::string&, const std::string&) override {
        return listing_;
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&) override {
        return {};
    }
    void shellOpen(const std::string&) override {}
    void beep() override {}

private:
    std::string listing_;
};

} // namespace vezu
