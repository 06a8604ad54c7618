#include "desktop_session.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

#include <cstdio>

QProcessEnvironment userEnvironment(const std::string& display) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("DISPLAY", QString::fromStdString(display));
    return environment;
}

bool waitUntil(const std::function<bool()>& holds, int bound, int interval) {
    for (QDeadlineTimer deadline(bound);; QThread::msleep(static_cast<unsigned long>(interval))) {
        if (holds()) {
            return true;
        }
        if (deadline.hasExpired()) {
            return false;
        }
    }
}

QString runTool(const QProcessEnvironment& environment, const QString& program,
                const QStringList& arguments) {
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(program, arguments);
    if (!tool.waitForFinished(15000)) {
        tool.kill();
        tool.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

std::string missingTool(std::initializer_list<const char*> tools) {
    for (const char* tool : tools) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            return std::string(tool) + " is not installed (sh tools/setup.sh installs it)";
        }
    }
    return {};
}

QString artifact(const char* name) {
    QDir().mkpath(ARTIFACT_DIR);
    return QString(ARTIFACT_DIR) + "/" + name;
}

int count(const QImage& shot, const QRect& area, const std::function<bool(QRgb)>& wanted) {
    int found = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            found += wanted(shot.pixel(x, y)) ? 1 : 0;
        }
    }
    return found;
}

int tableTop(const QImage& shot) {
    for (int y = 0; y < shot.height(); ++y) {
        if (shot.pixel(300, y) == tableGreen) {
            return y;
        }
    }
    return -1;
}

QPoint tableOrigin(const QImage& shot) {
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixel(x, y) == tableGreen) {
                return {x, y};
            }
        }
    }
    return {-1, -1};
}

namespace {
void stopProcess(QProcess& process) {
    if (process.state() != QProcess::NotRunning) {
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished();
        }
    }
}

// openbox manages windows once it has announced itself on the root window; one that ended before
// that is started once more, and what it said is passed on.
bool startOpenbox(QProcess& openbox, const QProcessEnvironment& environment) {
    openbox.setProcessEnvironment(environment);
    openbox.setProcessChannelMode(QProcess::MergedChannels);
    bool running = false;
    for (int attempt = 0; attempt < 2 && !running; ++attempt) {
        QProcess announced;
        announced.setProcessEnvironment(environment);
        QEventLoop whicheverEndsFirst;
        for (QProcess* process : {&openbox, &announced}) {
            QObject::connect(process, &QProcess::finished, &whicheverEndsFirst, &QEventLoop::quit);
            QObject::connect(process, &QProcess::errorOccurred, &whicheverEndsFirst,
                             &QEventLoop::quit);
        }
        openbox.start("openbox", {});
        announced.start(X_HELPER_PROGRAM, {"managed", "10000"});
        whicheverEndsFirst.exec();
        running = openbox.state() == QProcess::Running &&
                  announced.state() == QProcess::NotRunning &&
                  announced.error() == QProcess::UnknownError && announced.exitCode() == 0;
        stopProcess(announced);
        if (!running) {
            stopProcess(openbox);
            std::fprintf(stderr, "openbox did not start: %s\n",
                         openbox.readAll().toStdString().c_str());
        }
    }
    return running;
}
} // namespace

QString waitForWindow(const QProcessEnvironment& environment, const QString& caption) {
    return runTool(environment, X_HELPER_PROGRAM, {"find", caption, "10000"});
}

void startGame(QProcess& game, const QProcessEnvironment& environment) {
    game.setProcessEnvironment(environment);
    game.start(QUORVEL_PROGRAM, {});
}

int exitCodeOf(QProcess& game) {
    EXPECT_TRUE(game.waitForFinished(10000));
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit); // no abort, no core
    return game.exitCode();
}

DesktopGame::DesktopGame(const DesktopOptions& options) {
    skipReason_ = options.openbox ? missingTool({"Xvfb", "xdotool", "openbox"})
                                  : missingTool({"Xvfb", "xdotool"});
    if (!skipReason_.empty()) {
        return;
    }
    if (!server_.emplace(options.screen.width(), options.screen.height()).running()) {
        failure_ = "the X server did not start";
        return;
    }
    environment_ = userEnvironment(server_->display());
    for (const char* name : options.unset) {
        environment_.remove(name);
    }
    for (const auto& [name, value] : options.set) {
        environment_.insert(name, value);
    }
    if (options.openbox && !startOpenbox(windowManager_, environment_)) {
        failure_ = "openbox did not start";
        return;
    }
    startGame(process_, environment_);
    window_ = waitForWindow(environment_, "^Quorvel$");
    if (window_.isEmpty()) {
        failure_ = "the game's window did not appear";
    }
}

DesktopGame::~DesktopGame() {
    stopProcess(process_);
    stopProcess(windowManager_);
}

int DesktopGame::waitForTable(const QString& file) const {
    int top = -1;
    waitUntil([&] { return !window_.isEmpty() && (top = tableTop(screenshot(file))) > 0; });
    return top;
}

QRect DesktopGame::geometry() const {
    const QString info = runTool(environment_, "xwininfo", {"-id", window_});
    auto field = [&info](const char* name) {
        const QRegularExpression pattern(QString(name) + R"(:\s+(-?\d+))");
        return pattern.match(info).captured(1).toInt();
    };
    return {field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
            field("Height")};
}

void DesktopGame::click(QPoint at) const {
    runTool(environment_, "xdotool",
            {"mousemove", "--window", window_, QString::number(at.x()), QString::number(at.y()),
             "click", "1"});
}

void DesktopGame::key(const char* name) const {
    runTool(environment_, "xdotool", {"key", name});
}

QImage DesktopGame::screenshot(const QString& file) const {
    runTool(environment_, X_HELPER_PROGRAM, {"grab", window_, file});
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

QImage DesktopGame::waitForShot(const QString& file,
                                const std::function<bool(const QImage&)>& shows) const {
    QImage shot;
    waitUntil([&] {
        shot = screenshot(file);
        return !shot.isNull() && shows(shot);
    });
    return shot;
}

bool DesktopGame::openMenu(QPoint title, QPoint item, const QString& file) const {
    click(title);
    return waitUntil([&] {
        const QImage shot = screenshot(file);
        return shot.valid(item) && shot.pixel(item) != tableGreen;
    });
}

void DesktopGame::askToClose() const {
    runTool(environment_, X_HELPER_PROGRAM, {"close", window_});
}

Weston::Weston(const QProcessEnvironment& xDisplay, const QStringList& options) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtimeDir_.path());
    environment.remove("WAYLAND_DISPLAY");
    // Windows appear and go without animation, so that what a test sees has come to rest.
    QFile config(runtimeDir_.filePath("weston.ini"));
    config.open(QIODevice::WriteOnly);
    config.write("[shell]\nanimation=none\nclose-animation=none\nstartup-animation=none\n"
                 "focus-animation=none\n");
    config.close();
    QStringList arguments{"--config=" + config.fileName(), "--idle-time=0", "--socket=" + socket_,
                          "--log=" + runtimeDir_.path() + "/weston.log"};
    if (xDisplay.contains("DISPLAY")) {
        environment.insert("DISPLAY", xDisplay.value("DISPLAY"));
        arguments << "--backend=x11-backend.so"
                  << "--use-pixman"
                  << "--width=1000"
                  << "--height=700";
    } else {
        arguments << "--backend=headless-backend.so";
    }
    arguments << options;
    process_.setProcessEnvironment(environment);
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(QProcess::nullDevice());
    process_.start("weston", arguments);
    process_.waitForStarted();
    const QString socketPath = runtimeDir_.path() + "/" + socket_;
    for (QDeadlineTimer deadline(10000); !deadline.hasExpired() && !running_;
         QThread::msleep(100)) {
        running_ = process_.state() == QProcess::Running && QFileInfo::exists(socketPath);
    }
}

Weston::~Weston() {
    stop();
}

void Weston::stop() {
    stopProcess(process_);
    running_ = false;
}

QProcessEnvironment Weston::clientEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.insert("XDG_RUNTIME_DIR", runtimeDir_.path());
    environment.insert("WAYLAND_DISPLAY", socket_);
    environment.insert("QT_QPA_PLATFORM", "wayland");
    // Under the leak checker: mesa's EGL driver leaves no frame pointers, and only the slow
    // unwinder reaches the library named in the suppressions.
    if (environment.contains("LSAN_OPTIONS")) {
        environment.insert("LSAN_OPTIONS",
                           environment.value("LSAN_OPTIONS") + ":fast_unwind_on_malloc=0");
    }
    return environment;
}
