#include "siblings/services/text_files.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace vtl::services {

bool writeTextFile(const std::string& path, const std::string& content, std::string& error) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path temp = target;
    temp += ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = path + ": " + std::strerror(errno);
            return false;
        }
        out << content;
        out.flush();
        if (!out) {
            error = path + ": the file could not be written";
            std::error_code ec;
            fs::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        error = path + ": " + ec.message();
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

std::string inFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return (std::filesystem::path(folder) / name).string();
}

std::string fileNameFrom(const std::string& title, const std::string& fallback) {
    std::string out;
    for (char c : title) out.push_back(std::strchr("\\/:*?\"<>|", c) || static_cast<unsigned char>(c) < 32 ? '_' : c);
    while (!out.empty() && (out.back() == ' ' || out.back() == '.')) out.pop_back();
    while (!out.empty() && out.front() == ' ') out.erase(0, 1);
    return out.empty() ? fallback : out;
}

}  // namespace vtl::services
