// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the fuzz target's checks over stored inputs, without libFuzzer: every file named, and
// every file in every folder named. Any broken check aborts.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

// The fuzz target's entry point, named as libFuzzer requires.
extern "C" int LLVMFuzzerTestOneInput( // NOLINT(readability-identifier-naming)
    const std::uint8_t *data, std::size_t size);

namespace {

void replay(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{ std::istreambuf_iterator<char>(in),
        std::istreambuf_iterator<char>() };
    std::cerr << "replaying " << file.string() << '\n';
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

} // namespace

int main(int argc, char **argv)
{
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path)) {
            for (const auto &entry : std::filesystem::directory_iterator(path)) {
                if (entry.is_regular_file()) {
                    replay(entry.path());
                    ++count;
                }
            }
        } else {
            replay(path);
            ++count;
        }
    }
    std::cout << count << " inputs replayed\n";
    return count > 0 ? 0 : 1;
}
