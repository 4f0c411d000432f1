#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace vezu {

// The about box. Ctrl+M (or Ctrl with the keypad minus) switches the main
// window's Monitor flag, which the version label shows.
class FrmSobre : public QDialog {
public:
    explicit FrmSobre(bool& monitor);

    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void Button1Click();

    QLabel* Label1;
    QTextEdit* Memo1;
    QLabel* Label2;
    QPushButton* Button1;

protected:
    void showEvent(QShowEvent* event) override;
    // The form sees every key before the control that has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    QString versionText() const;

    bool& Monitor;
};

} // namespace vezu
