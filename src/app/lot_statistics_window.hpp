#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QWidget>

#include "analysis/listing_model.hpp"
#include "app/lot_statistics_window_histogram.hpp"
#include "base/format_settings.hpp"
#include "data/weighing_store.hpp"

namespace vezu {

// A non-modal window with the figures of one lot, its weight distribution
// and, on request, the daily gain since an earlier weighing. It reads the
// store only in refresh(), which the owner calls whenever the lot's table
// changes; a lot that is gone is shown as such.
class LotStatisticsWindow : public QWidget {
public:
    LotStatisticsWindow(const WeighingStore& store, ListingModel model, std::int32_t lot,
                        FormatSettings fs, QWidget* parent = nullptr);
    ~LotStatisticsWindow() override;

    void refresh();

    // Reads the listing (either model) into a store of its own and shows the
    // comparison; a failure goes to showError and leaves the last one.
    void compareWith(const QString& listing);
    // Where the dialog of "Comparar com pesagem anterior…" opens.
    void setEarlierFolder(const QString& folder);

    // The histogram as a file, through a temporary beside it; throw Error.
    void saveHistogramPng(const QString& path) const;
    void saveHistogramPdf(const QString& path) const;
    void printHistogram(QPrinter& printer) const;

    // The dialogs, replaceable for tests and for the program's own ones.
    std::function<std::optional<QString>()> chooseEarlierListing;
    std::function<std::optional<QString>(const QString& name, const QString& filter)>
        chooseSaveFile;
    std::function<void(const QString& text)> showError;

    QTableWidget* figures() const { return figures_; }
    QTableWidget* comparison() const { return comparison_; }
    QLabel* comparisonSummary() const { return comparisonSummary_; }
    QSpinBox* classWidth() const { return classWidth_; }
    HistogramView* histogram() const { return histogram_; }

private:
    void showFigures();
    void showClasses();
    void showComparison();
    void compareClicked();
    void printClicked();
    void saveClicked(const QString& suffix);
    QString lotTitle() const;

    struct State;
    std::unique_ptr<State> state_;
    QTableWidget* figures_;
    QSpinBox* classWidth_;
    HistogramView* histogram_;
    QPushButton* compare_;
    QLabel* comparisonSummary_;
    QTableWidget* comparison_;
};

} // namespace vezu
