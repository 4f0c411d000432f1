#pragma once

#include <utility>

#include "app/qt_user_interaction.hpp"

namespace vezu {

// The real dialogs, except that the next open dialog is answered with a
// file named beforehand: the listing given on the command line goes through
// "Abrir pen drive" as if the user had chosen it.
class PresetOpenInteraction : public QtUserInteraction {
public:
    void answerNextOpenWith(const QString& file) { preset_ = file; }

    std::optional<QString> openFile(const QString& folder, const QString& filter) override {
        if (preset_) {
            return std::exchange(preset_, std::nullopt);
        }
        return QtUserInteraction::openFile(folder, filter);
    }

private:
    std::optional<QString> preset_;
};

} // namespace vezu
