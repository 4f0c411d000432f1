#pragma once

#include <QPointer>
#include <QWidget>

#include "app/user_interaction.hpp"

namespace vezu {

// The real dialogs, message boxes and desktop services.
class QtUserInteraction : public UserInteraction {
public:
    void setParentWindow(QWidget* window) { parent_ = window; }

    bool ask(const QString& question) override;
    bool confirm(const QString& question) override;
    void showError(const QString& text) override;
    void showMessage(const QString& text) override;
    std::optional<QString> openFile(const QString& folder, const QString& filter) override;
    std::optional<QString> saveFile(const QString& fileName, const QString& filter) override;
    void shellOpen(const QString& path) override;
    void beep() override;

private:
    QPointer<QWidget> parent_;
};

} // namespace vezu
