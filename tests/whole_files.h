// Whole files as strings, for the tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace keldra::testing {

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace keldra::testing
