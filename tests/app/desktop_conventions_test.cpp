#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "app/preset_open_interaction.hpp"
#include "window_fixture.hpp"

namespace vezu {
namespace {

// The scripted dialogs, with the open dialog answerable beforehand as the
// program's own interaction does it.
class PresetScript : public PresetOpenAnswer {
public:
    explicit PresetScript(ScriptedInteraction& ui) : ui_(ui) {}
    void answerNextOpenWith(const QString& file) override {
        ui_.openAnswers.push_front(file);
        scriptedBefore_ = ui_.openAnswers.size() - 1;
    }
    void forgetPresetAnswer() override {
        if (ui_.openAnswers.size() > scriptedBefore_) {
            ui_.openAnswers.pop_front();
        }
    }

private:
    ScriptedInteraction& ui_;
    std::size_t scriptedBefore_ = 0;
};

class DesktopConventions : public WindowFixture {
protected:
    void startWithDrops(int model) {
        writeConfig("[CONF]\r\nIndic=" + std::to_string(model) + "\r\n");
        start();
        princ().setPresetOpenAnswer(preset_);
    }
    // A drag that enters and drops, as the window system delivers it.
    bool drop(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at(300, 300);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&princ(), &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&princ(), &dropped);
        return dropped.isAccepted();
    }
    static QUrl local(const QString& path) { return QUrl::fromLocalFile(path); }

    PresetScript preset_{ui_};
};

TEST_F(DesktopConventions, ADroppedListingIsReadWithTheConfiguredModel) {
    struct Case {
        int model;
        const char* listing;
        std::size_t kr10Records;
        std::int32_t lots;
    };
    for (const Case& c : {Case{0, "kr10-three.txt", 3, 0}, Case{1, "kr20-two-lots.txt", 0, 2}}) {
        startWithDrops(c.model);
        EXPECT_TRUE(princ().acceptDrops());
        EXPECT_TRUE(drop({local(fixture(c.listing))})) << c.listing;
        EXPECT_EQ(princ().store().CDS1().recordCount(), c.kr10Records) << c.listing;
        EXPECT_EQ(princ().store().C(), c.lots) << c.listing;
        EXPECT_TRUE(ui_.questions.empty()) << "nothing loaded: nothing to discard";
        EXPECT_TRUE(ui_.openAnswers.empty());
        windows_.reset();
    }
}

TEST_F(DesktopConventions, ADropOverLoadedDataAsksTheDiscardQuestionFirst) {
    startWithDrops(0);
    ASSERT_TRUE(drop({local(fixture("kr10-three.txt"))}));

    ui_.answers.push_back(false);
    drop({local(fixture("kr10-no-header.txt"))});
    ASSERT_EQ(ui_.questions.size(), 1u);
    EXPECT_EQ(ui_.questions.front(),
              "Os dados atuais serão descartados, deseja abrir outro arquivo ?");
    EXPECT_EQ(princ().store().CDS1().recordCount(), 3u);

    // The unused answer must not open the dropped file on the next click.
    ui_.answers.push_back(true);
    ui_.openAnswers.push_back(std::nullopt);
    princ().Pendrive->trigger();
    EXPECT_EQ(princ().store().CDS1().recordCount(), 0u);
    EXPECT_EQ(princ().PageControl1->count(), 0);
}

TEST_F(DesktopConventions, AMissingDroppedFileGetsTheProgramsMessage) {
    startWithDrops(0);
    drop({local(home_.path() + "/sumiu.txt")});
    EXPECT_EQ(ui_.errors, std::vector<QString>{"Arquivo não existe !"});
    EXPECT_EQ(princ().PageControl1->count(), 0);
}

TEST_F(DesktopConventions, OnlyOneLocalFileIsTakenAndOnlyWithAWayToOpenIt) {
    writeConfig("[CONF]\r\nIndic=0\r\n");
    start();
    EXPECT_FALSE(drop({local(fixture("kr10-three.txt"))})) << "no preset answer yet";
    princ().setPresetOpenAnswer(preset_);
    EXPECT_FALSE(drop({local(fixture("kr10-three.txt")), local(fixture("kr10-three.txt"))}));
    EXPECT_FALSE(drop({QUrl("https://example.org/kr10.txt")}));
    EXPECT_EQ(princ().store().CDS1().recordCount(), 0u);
    EXPECT_TRUE(ui_.questions.empty());
    EXPECT_TRUE(ui_.errors.empty());
}

TEST_F(DesktopConventions, F1IsTheHelpButton) {
    start();
    EXPECT_EQ(princ().Help->shortcut(), QKeySequence(Qt::Key_F1));
    QSignalSpy help(princ().Help, &QAction::triggered);
    princ().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&princ()));
    QTest::keyClick(&princ(), Qt::Key_F1);
    EXPECT_EQ(help.count(), 1);
}

} // namespace
} // namespace vezu
