#include <QTest>
#include <QTimer>

#include "window_fixture.hpp"

namespace vezu {
namespace {

class AboutBox : public WindowFixture {
protected:
    FrmSobre& open() {
        if (!windows_) {
            start();
        }
        windows_->FrmSobre.show();
        return windows_->FrmSobre;
    }
};

TEST_F(AboutBox, ShowsTheVersionAndSwitchesMonitor) {
    FrmSobre& sobre = open();
    EXPECT_EQ(sobre.windowTitle(), "Sobre :");
    EXPECT_EQ(sobre.Label1->text(), "Korbane Vezu 4.2");
    EXPECT_EQ(sobre.Memo1->toPlainText().count('\n'), 11);
    EXPECT_EQ(sobre.Label2->text(), "Versão : 4.2.0.06");

    QTest::keyClick(&sobre, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(sobre.Label2->text(), "Versão : 4.2.0.06  ( Monitor )");
    EXPECT_TRUE(princ().Monitor);
    // Nothing overlaps the button, whichever form the label takes.
    EXPECT_LT(sobre.Label2->geometry().right(), sobre.Button1->x());

    sobre.Button1->click();
    EXPECT_FALSE(sobre.isVisible());
    open();
    EXPECT_EQ(sobre.Label2->text(), "Versão : 4.2.0.06 Monitor");

    QTest::keyClick(&sobre, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(sobre.Label2->text(), "Versão : 4.2.0.06");
    EXPECT_FALSE(princ().Monitor);
}

TEST_F(AboutBox, OnlyCtrlWithMOrTheKeypadMinusSwitches) {
    FrmSobre& sobre = open();
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool switches;
    };
    const Case cases[] = {
        {Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier, true},
        {Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier, true},
        {Qt::Key_M, Qt::NoModifier, false},
        {Qt::Key_Minus, Qt::ControlModifier, false},
        {Qt::Key_N, Qt::ControlModifier, false},
    };
    for (const Case& c : cases) {
        const bool before = princ().Monitor;
        QTest::keyClick(&sobre, c.key, c.modifiers);
        EXPECT_EQ(princ().Monitor != before, c.switches) << c.key;
    }
}

TEST_F(AboutBox, TheKeyReachesTheFormWhateverHasTheFocus) {
    FrmSobre& sobre = open();
    sobre.Button1->setFocus();
    QTest::keyClick(sobre.Button1, Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(princ().Monitor);
}

TEST_F(AboutBox, SobreShowsItModally) {
    start();
    bool wasModal = false;
    QTimer::singleShot(0, &princ(), [&] {
        wasModal = windows_->FrmSobre.isModal() && windows_->FrmSobre.isVisible();
        windows_->FrmSobre.Button1->click();
    });
    princ().Sobre->trigger();
    EXPECT_TRUE(wasModal);
}

} // namespace
} // namespace vezu
