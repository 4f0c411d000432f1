// A listing file dropped on the main window.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "app/frm_princ.hpp"

namespace vezu {
namespace {

// One local file: several at once would each discard the one before.
QString droppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
        return {};
    }
    const QUrl url = data->urls().front();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

} // namespace

void FrmPrinc::setPresetOpenAnswer(PresetOpenAnswer& preset) {
    presetOpen_ = &preset;
    setAcceptDrops(true);
}

void FrmPrinc::openListingFile(const QString& file) {
    if (presetOpen_ == nullptr) {
        return;
    }
    presetOpen_->answerNextOpenWith(file);
    Pendrive->trigger();
    presetOpen_->forgetPresetAnswer();
}

void FrmPrinc::dragEnterEvent(QDragEnterEvent* event) {
    if (presetOpen_ != nullptr && !parsing_ && !droppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void FrmPrinc::dropEvent(QDropEvent* event) {
    const QString file = droppedFile(event->mimeData());
    if (presetOpen_ == nullptr || parsing_ || file.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    openListingFile(file);
}

} // namespace vezu
