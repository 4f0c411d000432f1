#pragma once

#include <optional>
#include <string>
#include <utility>

#include "app/qt_user_interaction.hpp"

namespace vezu {

// Answers the next open dialog with a file named beforehand, so that a
// listing given on the command line or dropped on the window goes through
// "Abrir pen drive" as if the user had chosen it.
class PresetOpenAnswer {
public:
    virtual void answerNextOpenWith(const QString& file) = 0;
    // An answer the flow did not ask for (a Cancel at the discard question)
    // must not answer the user's next "Abrir pen drive".
    virtual void forgetPresetAnswer() = 0;

protected:
    ~PresetOpenAnswer() = default;
};

// The real dialogs, with the open dialog answerable beforehand.
class PresetOpenInteraction : public QtUserInteraction, public PresetOpenAnswer {
public:
    void answerNextOpenWith(const QString& file) override { preset_ = file.toStdString(); }
    void forgetPresetAnswer() override { preset_.reset(); }

    std::optional<std::string> openFile(const std::string& folder,
                                        const std::string& filter) override {
        if (preset_) {
            return std::exchange(preset_, std::nullopt);
        }
        return QtUserInteraction::openFile(folder, filter);
    }

private:
    std::optional<std::string> preset_;
};

} // namespace vezu
