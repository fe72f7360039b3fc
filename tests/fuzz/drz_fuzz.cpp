// The drz tool with any argument list on any file. The input holds the words, one a line, up to the first
// zero byte; the bytes after it are the file "b.drz". The tool runs in the harness's own folder, and a "/"
// in a word becomes "_", so every file it reads or writes stays there. Left out: "generate" (no input file,
// only a seed) and "check", which judges every slot with hundreds of shuffled solves and exact searches —
// a second per call, too slow to fuzz; it reads the slots through LoadBoardSlot, which the board-file
// harness covers.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <streambuf>

#include "dispatch.h"
#include "fuzz_folder.h"

namespace {

// Swallows the tool's output for the length of one call.
class Silence {
public:
    Silence() : out_(std::cout.rdbuf(&null_)), err_(std::cerr.rdbuf(&null_)) {}
    ~Silence() {
        std::cout.rdbuf(out_);
        std::cerr.rdbuf(err_);
    }

private:
    struct NullBuffer : std::streambuf {
        int overflow(int c) override { return c; }
    } null_;
    std::streambuf* out_;
    std::streambuf* err_;
};

drz::tool::Words SplitWords(const std::uint8_t* begin, const std::uint8_t* end) {
    drz::tool::Words words;
    std::string word;
    for (const std::uint8_t* p = begin; p != end; ++p) {
        if (*p != '\n') {
            word += *p == '/' ? '_' : static_cast<char>(*p);
            continue;
        }
        words.push_back(word == ".." ? "__" : word);
        word.clear();
    }
    if (!word.empty()) words.push_back(word == ".." ? "__" : word);
    return words;
}

void EmptyFolder(const std::filesystem::path& folder) {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(entry.path(), ignored);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path& folder = drz::fuzz::FuzzFolder();
    if (::chdir(folder.c_str()) != 0) std::abort();
    EmptyFolder(folder);
    const std::uint8_t* end = data + size;
    const std::uint8_t* split = std::find(data, end, 0);
    const drz::tool::Words words = SplitWords(data, split);
    if (!words.empty() && (words[0] == "generate" || words[0] == "check")) return 0;
    if (split != end) drz::fuzz::WriteInput(folder / "b.drz", split + 1, static_cast<std::size_t>(end - split - 1));

    int code = 0;
    {
        Silence quiet;
        code = drz::tool::RunDrz(words);
    }
    if (code < 0 || code > 2) {
        std::fprintf(stderr, "drz fuzz: exit code %d\n", code);
        std::abort();
    }
    return 0;
}
