#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <thread>

#include "capture/capture_texts.hpp"
#include "pty.hpp"
#include "window_fixture.hpp"

namespace vezu {
namespace {

using namespace std::chrono_literals;
using serial::test::Pty;
using Bursts = std::vector<std::pair<std::chrono::milliseconds, std::string>>;

const QString kWaiting = QString::fromUtf8(kWaitingForData);
const QString kReceiving = QString::fromUtf8(kReceivingData);
const QString kReceived = QString::fromUtf8(kDataReceived);
const QString kNothing = QString::fromUtf8(kNothingReceived);

// What the wait dialog showed: its text and whether the sheet was flying.
struct Shown {
    QString text;
    bool animating;
    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& shown, std::ostream* out) {
    *out << '"' << shown.text.toStdString() << (shown.animating ? "\" animating" : "\" still");
}

// Plays the indicator on the pty's far side: each burst after its pause.
std::thread indicator(Pty& pty, Bursts bursts) {
    return std::thread([&pty, bursts = std::move(bursts)] {
        for (const auto& [pause, bytes] : bursts) {
            std::this_thread::sleep_for(pause);
            pty.send(bytes);
        }
    });
}

std::string highBytes() {
    std::string bytes;
    for (int b = 0x80; b <= 0xff; ++b) {
        bytes.push_back(static_cast<char>(b));
    }
    return bytes;
}

const std::string kLotA =
    "|LOTE: MACHOS                05/03/18                 14:30\r\n"
    "|    IDENTIFICACAO           PESO                          GANHO   VALOR     |\r\n"
    "|  BR5500876                   395     A1     B2     C3      120       152.75|\r\n"
    "|  BR5500877                   395                            98          0.5|\r\n"
    "|QTD.:   2                      395.0                  790.0\r\n";
const std::string kLotB =
    "|LOTE: FEMEAS                06/03/18                 09:05\r\n"
    "|  0012345                     300     X                      10      1500.25|\r\n"
    "|QTD.:   1                      300.0                  300.0\r\n";

// The window over a pseudo-terminal that plays the indicator, with a
// waiting time of one second.
class CaptureCommand : public WindowFixture {
protected:
    using Step = std::function<bool()>;

    void startWithModel(int model, const std::string& port) {
        writeConfig("[CONF]\r\nPorta=" + port + "\r\nEsper=1\r\nIndic=" + std::to_string(model) +
                    "\r\n");
        start();
    }
    void startWithModel(int model) { startWithModel(model, pty_.slavePath()); }

    FrmAguarde& aguarde() { return windows_->FrmAguarde; }
    std::string captureFile() const { return (documents_ + "/Korbane/Vezu.txt").toStdString(); }

    // Runs "Conectar Indicador" to its end. While the wait dialog is up the
    // steps run in turn from its modal loop, each until it returns true;
    // what the dialog shows is recorded in shown_.
    void conectar(std::vector<Step> steps = {}) {
        shown_.clear();
        std::size_t next = 0;
        QTimer watch;
        watch.setInterval(5);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (!aguarde().isVisible()) {
                return;
            }
            const Shown now{aguarde().Label1->text(), aguarde().Animate1->active()};
            if (shown_.empty() || shown_.back() != now) {
                shown_.push_back(now);
            }
            if (next < steps.size() && steps[next]()) {
                ++next;
            }
        });
        QTimer rescue;
        rescue.setSingleShot(true);
        QObject::connect(&rescue, &QTimer::timeout, [&] {
            ADD_FAILURE() << "the wait dialog stayed up";
            aguarde().accept();
        });
        watch.start();
        rescue.start(60s);
        princ().Conectar->trigger();
        EXPECT_EQ(next, steps.size()) << "steps left undone";
    }

    // A step: the indicator starts sending.
    Step play(Bursts bursts) {
        return [this, bursts] {
            indicator_ = indicator(pty_, bursts);
            return true;
        };
    }

    void TearDown() override {
        if (indicator_.joinable()) {
            indicator_.join();
        }
    }

    // The capture is over and left nothing running.
    void expectIdle() {
        EXPECT_FALSE(aguarde().isVisible());
        EXPECT_FALSE(aguarde().Animate1->active());
        EXPECT_FALSE(princ().ComPort1().Connected());
        EXPECT_FALSE(princ().Timer1.isActive());
        EXPECT_FALSE(princ().Timer2.isActive());
        EXPECT_EQ(princ().capture(), nullptr);
    }

    Pty pty_;
    std::thread indicator_;
    std::vector<Shown> shown_;
};

TEST_F(CaptureCommand, Kr20ListingInBurstsBuildsItsLotsAndTheCaptureFile) {
    startWithModel(1);
    windows_->FrmMonitor.Memo1->setPlainText("left from before");
    const std::string listing = kLotA + "texto " + highBytes() + "\r\n" + kLotB;
    // Together the pauses outlast the waiting time; each delivery restarts it.
    const std::size_t cut = kLotA.size() + 3;
    conectar({play({{0ms, listing.substr(0, 40)},
                    {400ms, listing.substr(40, cut - 40)},
                    {400ms, listing.substr(cut, 20)},
                    {400ms, listing.substr(cut + 20)}})});
    indicator_.join();

    EXPECT_TRUE(ui_.questions.empty());
    EXPECT_TRUE(ui_.errors.empty());
    EXPECT_EQ(shown_,
              (std::vector<Shown>{{kWaiting, false}, {kReceiving, true}, {kReceived, false}}));
    expectIdle();
    EXPECT_TRUE(windows_->FrmMonitor.Memo1->toPlainText().isEmpty());
    EXPECT_EQ(bytesOf(captureFile()), listing + "\r\n");
    EXPECT_EQ(princ().Caminho, captureFile());
    EXPECT_EQ(princ().store().C(), 2);
    EXPECT_EQ(princ().PageControl1->count(), 2);
    EXPECT_EQ(princ().store().lot(1).recordCount(), 2u);
    EXPECT_EQ(princ().store().lot(2).recordCount(), 1u);
    EXPECT_EQ(ui_.beeps, 1);
}

TEST_F(CaptureCommand, NothingReceivedEndsAfterTheWaitingTime) {
    struct Case {
        int model;
        std::vector<Shown> shown;
        std::vector<QString> errors;
    };
    const Case cases[] = {
        {1, {{kWaiting, false}, {kNothing, false}}, {}},
        // The KR-10 parser rejects a file without its header; the dialog
        // still goes.
        {0, {{kWaiting, false}}, {QString::fromUtf8("Arquivo inválido !")}},
    };
    for (const Case& c : cases) {
        ui_ = ScriptedInteraction();
        startWithModel(c.model);
        conectar();

        EXPECT_EQ(shown_, c.shown) << c.model;
        EXPECT_EQ(ui_.errors, c.errors) << c.model;
        expectIdle();
        EXPECT_EQ(bytesOf(captureFile()), "\r\n") << c.model;
        EXPECT_EQ(princ().PageControl1->count(), 0) << c.model;
    }
}

TEST_F(CaptureCommand, APortThatDoesNotOpenGivesTheMessageAndNoDialog) {
    startWithModel(1, "/dev/vezu-no-such-port");
    conectar();

    // The message keeps its first line and gives the reason on a second one.
    ASSERT_EQ(ui_.messages.size(), 1u);
    const QStringList lines = ui_.messages[0].split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QString::fromUtf8(kCannotOpenPort));
    EXPECT_FALSE(lines[1].isEmpty());
    EXPECT_TRUE(ui_.errors.empty());
    EXPECT_TRUE(shown_.empty());
    expectIdle();
    EXPECT_FALSE(std::filesystem::exists(captureFile()));
}

TEST_F(CaptureCommand, CancelKeepsTheDataAndOpensNoPort) {
    startWithModel(0);
    openListing(fixture("kr10-three.txt"));
    ui_.answers.push_back(false);
    conectar();

    EXPECT_EQ(ui_.questions,
              std::vector<QString>{QString::fromUtf8(
                  "Os dados atuais serão descartados, deseja abrir outro arquivo ?")});
    EXPECT_TRUE(shown_.empty());
    EXPECT_TRUE(ui_.messages.empty());
    expectIdle();
    EXPECT_EQ(princ().store().CDS1().recordCount(), 3u);
    EXPECT_EQ(princ().PageControl1->count(), 1);
    EXPECT_FALSE(std::filesystem::exists(captureFile()));
}

TEST_F(CaptureCommand, TheOtherSideClosingMidCaptureKeepsWhatCame) {
    startWithModel(1);
    conectar({play({{0ms, kLotA}}), [this] {
                  const CaptureSession* capture = princ().capture();
                  if (capture == nullptr || capture->AuxText() != kLotA) {
                      return false;
                  }
                  indicator_.join();
                  pty_.closeMaster();
                  return true;
              }});

    // A vanished indicator is said, never taken for a whole listing.
    EXPECT_TRUE(ui_.errors.empty());
    EXPECT_EQ(shown_.back(), (Shown{QString::fromUtf8(kDeviceDisconnected.data(),
                                                      qsizetype(kDeviceDisconnected.size())),
                                    false}));
    expectIdle();
    EXPECT_EQ(bytesOf(captureFile()), kLotA + "\r\n");
    EXPECT_EQ(princ().store().C(), 1);
}

TEST_F(CaptureCommand, ASecondCaptureReplacesTheFirst) {
    startWithModel(1);
    conectar({play({{0ms, kLotA + kLotB}})});
    indicator_.join();
    ASSERT_EQ(princ().store().C(), 2);

    ui_.answers.push_back(true);
    conectar({play({{0ms, kLotB}})});

    EXPECT_EQ(ui_.questions.size(), 1u);
    EXPECT_TRUE(ui_.errors.empty());
    expectIdle();
    EXPECT_EQ(bytesOf(captureFile()), kLotB + "\r\n");
    EXPECT_EQ(princ().store().C(), 1);
    EXPECT_EQ(princ().PageControl1->count(), 1);
}

TEST_F(CaptureCommand, ACaptureFileThatCannotBeWrittenIsReportedAndTheDialogGoes) {
    startWithModel(1);
    // A folder in the file's place: the capture file cannot replace it.
    std::filesystem::create_directories(captureFile());
    conectar({play({{0ms, kLotA}})});

    ASSERT_EQ(ui_.errors.size(), 1u);
    EXPECT_FALSE(ui_.errors[0].isEmpty());
    EXPECT_EQ(shown_.back(), (Shown{kReceiving, true}));
    expectIdle();
    EXPECT_EQ(princ().PageControl1->count(), 0);
}

TEST_F(CaptureCommand, TheUserCannotCloseTheWaitDialog) {
    startWithModel(1);
    bool stillUp = false;
    conectar({[&] {
        QTest::keyClick(&aguarde(), Qt::Key_Escape);
        aguarde().close();
        stillUp = aguarde().isVisible();
        return true;
    }});

    EXPECT_TRUE(stillUp);
    EXPECT_EQ(shown_.back(), (Shown{kNothing, false}));
    expectIdle();
}

} // namespace
} // namespace vezu
