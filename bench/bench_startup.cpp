// Start-up of the game: from the start of a new process until the first frame of the start screen has been
// painted, offscreen. Each run starts this program afresh (so loading the libraries, the platform plugin and
// the fonts counts), which builds the application object, runs the game's StartUp and dispatches events
// until the screen widget has painted once, then exits. Wall time of the whole process.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "game/app.h"
#include "game/start_up.h"
#include "platform/application.h"
#include "platform/screen_widget.h"
#include "support/child_process.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kChildVariable = "DRZ_STARTUP_CHILD";

// Notes the first paint event of the widget that shows the screen picture.
class FirstFrame : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() == QEvent::Paint && dynamic_cast<drz::platform::ScreenWidget*>(target) != nullptr)
            painted = true;
        return false;
    }
};

[[noreturn]] void StartUntilFirstFrame() {
    ::alarm(30);  // a start-up that never paints ends the run instead of hanging the benchmark
    static int argc = 1;
    static char name[] = "dreizehner";
    static char* argv[] = {name, nullptr};
    drz::platform::Application application(argc, argv);
    FirstFrame watch;
    QCoreApplication::instance()->installEventFilter(&watch);
    {
        drz::App app;
        drz::StartUp(app);
        // The paint event is seen before it is handled; the frame is on the screen once the call returns.
        while (!watch.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
        std::_Exit(0);
    }
}

// In the started process this runs before the benchmark library's main and never returns.
const bool kChild = [] {
    if (std::getenv(kChildVariable) != nullptr) StartUntilFirstFrame();
    return false;
}();

void StartToFirstFrame(benchmark::State& state) {
    ::setenv(kChildVariable, "1", 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const fs::path self = fs::read_symlink("/proc/self/exe");
    const fs::path folder = fs::temp_directory_path();
    for (auto _ : state)
        if (drz::bench::RunQuiet({self.string()}, folder) != 0) state.SkipWithError("the start-up run failed");
    ::unsetenv(kChildVariable);
    state.counters["target_ms"] = 300;
}

BENCHMARK(StartToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace
