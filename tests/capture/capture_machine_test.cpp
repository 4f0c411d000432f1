#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <unistd.h>

#include "base/error.hpp"
#include "capture/capture.hpp"
#include "capture/capture_texts.hpp"
#include "pty.hpp"

namespace vezu {
namespace {

namespace fs = std::filesystem;
using serial::test::Pty;
using State = Capture::State;

class FakeTimer : public CaptureTimer {
public:
    void start() override {
        active = true;
        ++starts;
    }
    void stop() override { active = false; }
    bool isActive() const override { return active; }
    bool active = false;
    int starts = 0;
};

// The wait dialog: runs the test's script as its modal loop.
class ScriptedView : public CaptureView {
public:
    std::function<void()> whileShown;
    std::vector<std::string> texts;
    bool animating = false;
    bool shown = false;
    int monitorCleared = 0;

    void clearMonitor() override { ++monitorCleared; }
    void setWaitText(const std::string& text) override {
        if (texts.empty() || texts.back() != text) {
            texts.push_back(text);
        }
    }
    void setAnimating(bool on) override { animating = on; }
    void runWaitDialog() override {
        shown = true;
        whileShown();
        EXPECT_FALSE(shown) << "the dialog stayed up";
    }
    void closeWaitDialog() override { shown = false; }
    void endCaptureSoon() override { ++endSoon; }
    int endSoon = 0;
};

class CaptureMachine : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vezu-machine-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string captureFile() const { return (folder / "Vezu.txt").string(); }
    std::string read() const {
        std::ifstream in(captureFile(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Lets the port's deliveries run until the capture holds `text`.
    void receive(const std::string& text) {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        queue.processUntil([&] {
            return machine.session()->AuxText() == text ||
                   std::chrono::steady_clock::now() > giveUp;
        });
        ASSERT_EQ(machine.session()->AuxText(), text);
    }

    fs::path folder;
    Pty pty;
    FakeTimer timer1;
    FakeTimer timer2;
    ScriptedView view;
    serial::HandOverQueue queue;
    Capture machine{timer1, timer2, view, &queue};
    std::vector<std::string> parsed;
};

// The far side hangs up mid-listing: what came is kept and parsed, the
// capture ends without waiting out the silence, and says so.
TEST_F(CaptureMachine, AVanishedDeviceEndsTheCaptureAtOnceKeepingWhatCame) {
    view.whileShown = [&] {
        pty.send("|LOTE: A\r\n12");
        receive("|LOTE: A\r\n12");
        pty.closeMaster();
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        queue.processUntil(
            [&] { return view.endSoon > 0 || std::chrono::steady_clock::now() > giveUp; });
        ASSERT_EQ(view.endSoon, 1);
        // The owner runs Timer1Timer next; a late timer tick then finds it over.
        machine.Timer1Timer();
        EXPECT_EQ(machine.state(), State::ShowingResult);
        machine.Timer1Timer();
        EXPECT_EQ(parsed.size(), 1u);
        EXPECT_FALSE(view.animating);
        machine.Timer2Timer();
    };
    EXPECT_TRUE(machine.run(pty.slavePath(), captureFile(),
                            [&](const std::string& file) { parsed.push_back(file); }));
    EXPECT_EQ(read(), "|LOTE: A\r\n12\r\n");
    EXPECT_EQ(view.texts.back(), std::string(kDeviceDisconnected));
    EXPECT_TRUE(machine.lastOutcome().deviceLost);
    EXPECT_TRUE(machine.lastOutcome().received);
}

TEST_F(CaptureMachine, AParserFailingOnACutOffListingTellsBoth) {
    view.whileShown = [&] {
        pty.send("|LOTE: A\r\n12");
        receive("|LOTE: A\r\n12");
        pty.closeMaster();
        queue.processUntil([&] { return view.endSoon > 0; });
        try {
            machine.Timer1Timer();
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.what(), std::string(kDeviceDisconnected) + "\nValor inválido");
        }
    };
    machine.run(pty.slavePath(), captureFile(),
                [](const std::string&) { throw ConvertError("Valor inválido"); });
    EXPECT_EQ(machine.state(), State::Idle);
    EXPECT_FALSE(view.shown);
    EXPECT_TRUE(machine.lastOutcome().deviceLost);
    EXPECT_EQ(read(), "|LOTE: A\r\n12\r\n");
}

// A delivery that finds nothing to read is no reception.
TEST_F(CaptureMachine, ADeliveryThatReadsNothingIsNotASuccess) {
    view.whileShown = [&] {
        machine.ComPort1RxChar(machine.ComPort1(), 0);
        machine.Timer1Timer();
        machine.Timer2Timer();
    };
    machine.run(pty.slavePath(), captureFile(), [](const std::string&) {});
    EXPECT_EQ(view.texts.back(), std::string(kNothingReceived));
    EXPECT_FALSE(machine.lastOutcome().received);
}

class CaptureArchive : public CaptureMachine {
protected:
    std::vector<fs::path> archived() const {
        std::vector<fs::path> files;
        if (fs::exists(folder / "Pesagens")) {
            for (const auto& entry : fs::directory_iterator(folder / "Pesagens")) {
                files.push_back(entry.path());
            }
        }
        return files;
    }
    void capture(const std::string& bytes) {
        view.whileShown = [&] {
            if (!bytes.empty()) {
                pty.send(bytes);
                receive(bytes);
            }
            machine.Timer1Timer();
            machine.Timer2Timer();
        };
        machine.run(pty.slavePath(), captureFile(),
                    [&](const std::string& file) { parsed.push_back(file); });
    }
    std::vector<std::string> reported;
};

TEST_F(CaptureArchive, ACaptureThatReceivedBytesIsKeptUnderItsDate) {
    fs::create_directories(folder / "Pesagens");
    machine.setArchiveFolder((folder / "Pesagens").string());
    capture("");
    EXPECT_TRUE(archived().empty());
    capture("first\r\n");
    capture("second\r\n");
    const auto files = archived();
    ASSERT_EQ(files.size(), 2u);
    std::vector<std::string> contents;
    for (const auto& file : files) {
        EXPECT_EQ(file.filename().string().rfind("Captura ", 0), 0u) << file;
        std::ifstream in(file, std::ios::binary);
        contents.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::sort(contents.begin(), contents.end());
    EXPECT_EQ(contents, (std::vector<std::string>{"first\r\n\r\n", "second\r\n\r\n"}));
}

TEST_F(CaptureArchive, AFailureToKeepTheCopyIsReportedAndTheCaptureGoesOn) {
    machine.setArchiveFolder((folder / "no such folder").string());
    machine.setErrorReport([&](const std::exception& e) { reported.push_back(e.what()); });
    capture("listing\r\n");
    EXPECT_EQ(reported.size(), 1u);
    EXPECT_EQ(parsed.size(), 1u);
    EXPECT_EQ(view.texts.back(), std::string(kDataReceived));
    EXPECT_EQ(read(), "listing\r\n\r\n");
}

TEST_F(CaptureMachine, GoesThroughItsStatesAndParsesTheCaptureFile) {
    view.whileShown = [&] {
        EXPECT_EQ(machine.state(), State::Waiting);
        EXPECT_TRUE(timer1.active);
        EXPECT_TRUE(machine.ComPort1().Connected());

        pty.send("|LOTE: A\r\n");
        receive("|LOTE: A\r\n");
        EXPECT_EQ(machine.state(), State::Receiving);
        EXPECT_TRUE(view.animating);
        pty.send("rest");
        receive("|LOTE: A\r\nrest");
        // Each delivery starts the quiet time again.
        EXPECT_GE(timer1.starts, 3);

        machine.Timer1Timer();
        EXPECT_EQ(machine.state(), State::ShowingResult);
        EXPECT_FALSE(machine.ComPort1().Connected());
        EXPECT_FALSE(timer1.active);
        EXPECT_TRUE(timer2.active);
        EXPECT_FALSE(view.animating);
        EXPECT_EQ(parsed, std::vector<std::string>{captureFile()});
        EXPECT_EQ(read(), "|LOTE: A\r\nrest\r\n");

        machine.Timer2Timer();
    };
    EXPECT_TRUE(machine.run(pty.slavePath(), captureFile(),
                            [&](const std::string& file) { parsed.push_back(file); }));

    EXPECT_EQ(view.monitorCleared, 1);
    EXPECT_EQ(view.texts,
              (std::vector<std::string>{std::string(kWaitingForData), std::string(kReceivingData),
                                        std::string(kDataReceived)}));
    EXPECT_EQ(machine.state(), State::Idle);
    EXPECT_EQ(machine.session(), nullptr);
    EXPECT_FALSE(timer2.active);
}

TEST_F(CaptureMachine, NothingReceivedSaysSo) {
    view.whileShown = [&] {
        machine.Timer1Timer();
        machine.Timer2Timer();
    };
    machine.run(pty.slavePath(), captureFile(),
                [&](const std::string& file) { parsed.push_back(file); });
    EXPECT_EQ(view.texts.back(), std::string(kNothingReceived));
    EXPECT_EQ(read(), "\r\n");
    EXPECT_EQ(parsed.size(), 1u);
}

// A parser that rejects the capture must not leave the dialog up nor the
// port open; the error goes on to the caller's report.
TEST_F(CaptureMachine, AFailureWhileFinishingEndsTheCaptureAndIsPassedOn) {
    view.whileShown = [&] {
        pty.send("x");
        receive("x");
        EXPECT_THROW(machine.Timer1Timer(), std::runtime_error);
    };
    machine.run(pty.slavePath(), captureFile(),
                [](const std::string&) { throw std::runtime_error("Arquivo inválido !"); });
    EXPECT_EQ(machine.state(), State::Idle);
    EXPECT_FALSE(view.shown);
    EXPECT_FALSE(timer1.active);
    EXPECT_FALSE(timer2.active);
    EXPECT_FALSE(machine.ComPort1().Connected());
    EXPECT_EQ(read(), "x\r\n");
}

TEST_F(CaptureMachine, APortThatDoesNotOpenShowsNoDialog) {
    view.whileShown = [] { ADD_FAILURE() << "dialog shown"; };
    EXPECT_FALSE(machine.run("/dev/vezu-no-such-port", captureFile(), [](const std::string&) {}));
    EXPECT_FALSE(view.shown);
    EXPECT_FALSE(timer1.active);
    EXPECT_EQ(machine.state(), State::Idle);
    EXPECT_FALSE(fs::exists(captureFile()));
    EXPECT_NE(machine.openFailureReason().find("não existe"), std::string::npos)
        << machine.openFailureReason();
}

} // namespace
} // namespace vezu
