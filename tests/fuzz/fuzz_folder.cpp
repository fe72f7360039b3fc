#include "fuzz_folder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace drz::fuzz {

namespace fs = std::filesystem;

namespace {

fs::path MakeFolder() {
    std::string pattern = (fs::temp_directory_path() / "drz-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("drz fuzz: mkdtemp");
        std::abort();
    }
    return pattern;
}

struct Folder {
    fs::path path = MakeFolder();
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

}  // namespace

const fs::path& FuzzFolder() {
    static const Folder folder;
    return folder.path;
}

void WriteInput(const fs::path& file, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        std::fprintf(stderr, "drz fuzz: cannot write %s\n", file.c_str());
        std::abort();
    }
}

}  // namespace drz::fuzz
