// fuzz_folder.h — the private temporary folder a fuzz harness keeps its files in, removed when the process ends.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace drz::fuzz {

// Created on first use under the system's temporary folder ($TMPDIR); a tmpfs there keeps saves fast.
const std::filesystem::path& FuzzFolder();

// Writes `size` bytes as the whole content of `file`; aborts when that fails (the harness is broken then).
void WriteInput(const std::filesystem::path& file, const std::uint8_t* data, std::size_t size);

}  // namespace drz::fuzz
