#include "session/qt_messages.h"
#include "session/scale_check.h"
#include "session/session.h"
#include "session/start_failure.h"

#include <QGuiApplication>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {
// While Qt opens its platform, standard error goes to a temporary file: a platform that fails
// may print lines of its own (the Wayland client library writes straight to standard error),
// and the player is to read ours first. Once the platform is up the lines are passed on.
class HeldStandardError {
  public:
    void hold() {
        file_ = std::tmpfile();
        original_ = file_ ? dup(STDERR_FILENO) : -1;
        if (original_ < 0) {
            if (file_) {
                std::fclose(file_);
                file_ = nullptr;
            }
            return;
        }
        std::fflush(stderr);
        dup2(fileno(file_), STDERR_FILENO);
    }

    // Standard error as it was; with `passOn`, what was held is written to it.
    void release(bool passOn) {
        if (original_ < 0) {
            return;
        }
        std::fflush(stderr);
        dup2(original_, STDERR_FILENO);
        close(original_);
        original_ = -1;
        if (passOn && std::fseek(file_, 0, SEEK_SET) == 0) {
            char block[4096];
            for (std::size_t read = 0; (read = std::fread(block, 1, sizeof block, file_)) > 0;) {
                std::fwrite(block, 1, read, stderr);
            }
        }
        std::fclose(file_);
        file_ = nullptr;
    }

  private:
    std::FILE* file_ = nullptr;
    int original_ = -1;
};

HeldStandardError heldStandardError;
bool platformUp = false;
std::vector<std::string> missingPlugins;
QtMessageHandler qtHandler = nullptr;

[[noreturn]] void endWith(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    std::_Exit(1); // at once: the window system is gone, nothing of it can be cleaned up
}

std::string waylandDisplayName() {
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    return name.isEmpty() ? "wayland-0" : name.toStdString();
}

std::string xDisplayName() {
    const QString name = qEnvironmentVariable("DISPLAY");
    return name.isEmpty() ? "(none)" : name.toStdString();
}

void onQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!platformUp) {
        if (const std::optional<QString> name = missingPlatformPlugin(message)) {
            missingPlugins.push_back(name->toStdString());
        }
        // Before the application object is made, a fatal message is Qt giving up on every
        // platform it tried.
        if (type == QtFatalMsg) {
            heldStandardError.release(false);
            endWith(std::string(startupFailureText) + "\n" +
                    startFailureCause(currentPlatformEnvironment(), missingPlugins));
        }
    } else if (type != QtDebugMsg && type != QtInfoMsg && connectionBroke(message)) {
        const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
        const std::string display = wayland ? "the Wayland compositor " + waylandDisplayName()
                                            : "the X display " + xDisplayName();
        endWith("Quorvel has lost its display: the connection to " + display +
                " broke, and the game ends.\n" + message.toStdString());
    }
    qtHandler(type, context, message);
}
} // namespace

SessionStart::SessionStart() {
    raiseScreenScalesBelowOne();
    qtHandler = qInstallMessageHandler(onQtMessage);
    heldStandardError.hold();
}

SessionStart::~SessionStart() {
    heldStandardError.release(true);
}

void SessionStart::opened() {
    platformUp = true;
    heldStandardError.release(true);
}
