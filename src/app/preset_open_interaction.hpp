#pragma once

#include <optional>
#include <string>
#include <utility>

#include "app/qt_user_interaction.hpp"

namespace vezu {

// The real dialogs, except that the next open dialog is answered with a
// file named beforehand: the listing given on the command line goes through
// "Abrir pen drive" as if the user had chosen it.
class PresetOpenInteraction : public QtUserInteraction {
public:
    void answerNextOpenWith(const QString& file) { preset_ = file.toStdString(); }

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
