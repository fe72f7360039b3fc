#include "storage/game_file_writer.h"

#include <exception>

#include "storage/game_file.h"

namespace drz {

GameFileWriter::GameFileWriter(std::filesystem::path file)
    : file_(std::move(file)), thread_([this](const std::stop_token& stop) { Run(stop); }) {}

GameFileWriter::~GameFileWriter() {
    thread_.request_stop();
    if (thread_.joinable()) thread_.join();
}

void GameFileWriter::Submit(Content content, bool repeat, bool atOnce) {
    {
        std::lock_guard lock(mutex_);
        pending_ = std::move(content);
        pendingRepeat_ = repeat;
        pendingAtOnce_ = pendingAtOnce_ || atOnce;
        ++submitted_;
    }
    wake_.notify_one();
}

void GameFileWriter::Flush() {
    std::unique_lock lock(mutex_);
    written_.wait(lock, [this] { return !pending_ && !writing_; });
}

std::optional<std::string> GameFileWriter::TakeFailure() {
    std::lock_guard lock(mutex_);
    if (!failure_ || failureTaken_) return std::nullopt;
    failureTaken_ = true;
    return failure_;
}

bool GameFileWriter::Due(const std::stop_token& stop, Clock::time_point now) const {
    if (pending_) return pendingAtOnce_ || stop.stop_requested() || now >= lastWrite_ + kSpacing;
    return repeat_ && !stop.stop_requested() && now >= lastWrite_ + kRepeat;
}

GameFileWriter::Clock::time_point GameFileWriter::NextDue() const {
    if (pending_) return lastWrite_ + kSpacing;
    return repeat_ ? lastWrite_ + kRepeat : Clock::now() + std::chrono::hours(1);  // only a submit wakes it
}

// Called with the lock held; the content is made and written without it.
void GameFileWriter::Write(std::unique_lock<std::mutex>& lock) {
    if (pending_) {
        current_ = std::move(*pending_);
        pending_.reset();
        repeat_ = pendingRepeat_;
        pendingAtOnce_ = false;
    }
    const Content content = current_;
    writing_ = true;
    lock.unlock();
    std::optional<std::string> failure;
    try {
        const std::optional<std::string> text = content();
        failure = text ? WriteGameFile(file_, *text) : RemoveGameFile(file_);
    } catch (const std::exception&) {  // no memory for the text: the file stays as it was
        failure = "Zu wenig Arbeitsspeicher.";
    }
    lock.lock();
    writing_ = false;
    lastWrite_ = Clock::now();
    if (failure && !failure_) failure_ = std::move(failure);
    written_.notify_all();
}

void GameFileWriter::Run(const std::stop_token& stop) {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (Due(stop, Clock::now())) {
            Write(lock);
            continue;
        }
        if (stop.stop_requested()) break;
        const std::uint64_t seen = submitted_;
        wake_.wait_until(lock, stop, NextDue(), [&] { return submitted_ != seen; });
    }
    written_.notify_all();
}

}  // namespace drz
