#pragma once

#include <exception>
#include <optional>
#include <string>

namespace vezu {

// Everything the commands ask of the user or the desktop, so a test can run
// a whole command with scripted answers. Texts are UTF-8.
class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    // A question titled "Atenção !" with OK and Cancel, no icon; true on OK.
    virtual bool ask(const std::string& question) = 0;
    // The grid's confirmation before a record is deleted; true on OK.
    virtual bool confirm(const std::string& question) = 0;
    // The general error report: caption "Korbane Vezu 4.2", stop icon, OK.
    // The text arrives with the full-stop rule applied.
    virtual void showError(const std::string& text) = 0;
    // A plain message: caption "Korbane Vezu 4.2", no icon, OK.
    virtual void showMessage(const std::string& text) = 0;

    // File dialogs; nothing when the user cancels.
    virtual std::optional<std::string> openFile(const std::string& folder,
                                                const std::string& filter) = 0;
    virtual std::optional<std::string> saveFile(const std::string& fileName,
                                                const std::string& filter) = 0;

    // Opens a document with the desktop's default program; failures are not reported.
    virtual void shellOpen(const std::string& path) = 0;
    virtual void beep() = 0;

    // The general error report for a failed command: its text with the
    // full-stop rule, through showError.
    virtual void reportError(const std::exception& error);
};

} // namespace vezu
