#pragma once

#include <optional>

#include <QString>

namespace vezu {

// Everything the commands ask of the user or the desktop, so a test can run
// a whole command with scripted answers.
class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    // A question titled "Atenção !" with OK and Cancel, no icon; true on OK.
    virtual bool ask(const QString& question) = 0;
    // The grid's confirmation before a record is deleted; true on OK.
    virtual bool confirm(const QString& question) = 0;
    // The general error report: caption "Korbane Vezu 4.2", stop icon, OK.
    // The text arrives with the full-stop rule already applied.
    virtual void showError(const QString& text) = 0;
    // A plain message: caption "Korbane Vezu 4.2", no icon, OK.
    virtual void showMessage(const QString& text) = 0;

    // File dialogs; nothing when the user cancels.
    virtual std::optional<QString> openFile(const QString& folder, const QString& filter) = 0;
    virtual std::optional<QString> saveFile(const QString& fileName, const QString& filter) = 0;

    // Opens a document with the desktop's default program; failures are not reported.
    virtual void shellOpen(const QString& path) = 0;
    virtual void beep() = 0;
};

} // namespace vezu
