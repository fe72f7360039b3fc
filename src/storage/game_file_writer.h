// game_file_writer.h — the thread that writes the game file, so that the game never waits for the disk: it
// takes the newest content handed to it (older content not yet written is dropped) and writes it whole.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>

namespace drz {

class GameFileWriter {
public:
    // Makes the text to write, on the writer's thread; nothing: the file is removed.
    using Content = std::function<std::optional<std::string>()>;

    explicit GameFileWriter(std::filesystem::path file);
    ~GameFileWriter();  // writes what waits, then ends the thread
    GameFileWriter(const GameFileWriter&) = delete;
    GameFileWriter& operator=(const GameFileWriter&) = delete;

    // New content: written at once when `atOnce` or a quarter second after the last write, whichever is later;
    // with `repeat` made and written again every 0.9 s until other content comes (a running clock's time).
    void Submit(Content content, bool repeat, bool atOnce);
    // Waits until everything handed over is written.
    void Flush();
    // Why the first failed write failed, once; nothing when none failed or it was taken before.
    std::optional<std::string> TakeFailure();

private:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kSpacing = std::chrono::milliseconds(250);
    static constexpr Clock::duration kRepeat = std::chrono::milliseconds(900);  // a kill loses less than a second

    void Run(const std::stop_token& stop);
    bool Due(const std::stop_token& stop, Clock::time_point now) const;
    Clock::time_point NextDue() const;
    void Write(std::unique_lock<std::mutex>& lock);

    const std::filesystem::path file_;
    std::mutex mutex_;
    std::condition_variable_any wake_, written_;
    std::optional<Content> pending_;  // handed over, not yet written
    bool pendingRepeat_ = false, pendingAtOnce_ = false;
    std::uint64_t submitted_ = 0;  // content handed over so far: the thread wakes when it grows
    Content current_;              // written last; again while repeat_
    bool repeat_ = false;
    bool writing_ = false;
    Clock::time_point lastWrite_{};
    std::optional<std::string> failure_;
    bool failureTaken_ = false;
    std::jthread thread_;  // last: it starts once everything above is made
};

}  // namespace drz
