#pragma once

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QSpinBox>

#include "app/serial_port_list.hpp"

namespace vezu {

class UserInteraction;

// The settings dialog: port, waiting time of the capture, indicator model.
class FrmConfig : public QDialog {
    Q_OBJECT

public:
    explicit FrmConfig(UserInteraction& ui);

    // The settings file the dialog reads and writes (CamCon + "Config.ini").
    void setSettingsFile(const QString& path) { settingsFile_ = path; }
    // Fills CB1 once and selects the port named exactly so (case counts).
    void fillPorts(const QStringList& ports, const QString& configured);
    // The same, a USB adapter's product name as its entry's tooltip.
    void fillPorts(const QList<SerialPortEntry>& ports, const QString& configured);

    // The spin edit's value; text that is not a whole number counts as 0.
    int waitingSeconds() const;

    void btnaplicaClick();
    void btnpadraoClick();
    void btncancelClick();

    QComboBox* CB1;
    QSpinBox* SE3;
    QComboBox* CB7;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* btncancel;

signals:
    // "Aplicar" wrote the file: port name, seconds, model list index.
    void applied(const QString& port, int seconds, int model);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();

    UserInteraction& ui_;
    QString settingsFile_;
};

} // namespace vezu
