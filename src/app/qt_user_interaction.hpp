#pragma once

#include <QPointer>
#include <QWidget>

#include "commands/user_interaction.hpp"

namespace vezu {

// The real dialogs, message boxes and desktop services.
class QtUserInteraction : public UserInteraction {
public:
    void setParentWindow(QWidget* window) { parent_ = window; }

    bool ask(const std::string& question) override;
    bool confirm(const std::string& question) override;
    void showError(const std::string& text) override;
    void showMessage(const std::string& text) override;
    std::optional<std::string> openFile(const std::string& folder,
                                        const std::string& filter) override;
    std::optional<std::string> saveFile(const std::string& fileName,
                                        const std::string& filter) override;
    void shellOpen(const std::string& path) override;
    void beep() override;

private:
    QPointer<QWidget> parent_;
};

} // namespace vezu
