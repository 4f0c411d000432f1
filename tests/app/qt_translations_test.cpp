#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "app/qt_translations.hpp"
#include "window_fixture.hpp"

namespace vezu {
namespace {

// Removes what a test installed, so the other tests of the run see Qt's English.
class QtTranslations : public ::testing::Test {
protected:
    void SetUp() override { qtApp(); }
    void TearDown() override {
        if (translator_ != nullptr) {
            QCoreApplication::removeTranslator(translator_);
            delete translator_;
        }
    }
    void install(const char* locale) {
        translator_ = installQtTranslations(qtApp(), QLocale(locale));
    }

    QTranslator* translator_ = nullptr;
};

QString cancelText() {
    QMessageBox box(QMessageBox::NoIcon, "Atenção !", "?", QMessageBox::Ok | QMessageBox::Cancel);
    return box.button(QMessageBox::Cancel)->text();
}

TEST_F(QtTranslations, BrazilianLocaleGivesPortugueseDialogs) {
    install("pt_BR");
    ASSERT_NE(translator_, nullptr) << "qt6-translations-l10n is not installed";

    EXPECT_EQ(cancelText(), "Cancelar");
    QFileDialog open;
    open.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(open.windowTitle(), "Abrir");
    EXPECT_EQ(open.findChild<QLabel*>("fileNameLabel")->text(), "&Nome do arquivo:");
    QFileDialog save;
    save.setOption(QFileDialog::DontUseNativeDialog);
    save.setAcceptMode(QFileDialog::AcceptSave);
    EXPECT_EQ(save.windowTitle(), "Salvar como");
}

TEST_F(QtTranslations, EnglishOrUnsetLocaleKeepsQtsOwnTexts) {
    for (const char* locale : {"en_US", "C"}) {
        install(locale);
        EXPECT_EQ(translator_, nullptr) << locale;
        EXPECT_EQ(cancelText(), "Cancel") << locale;
    }
}

} // namespace
} // namespace vezu
