#include "siblings/services/text_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace vtl::services {

bool writeTextFile(const std::string& path, const std::string& content, std::string& error) {
    auto failed = [&](const std::string& why, int fd, const std::string& temp) {
        error = path + ": " + why;
        if (fd >= 0) ::close(fd);
        if (!temp.empty()) ::unlink(temp.c_str());
        return false;
    };
    // A name of its own beside the target (never one a person's file may
    // have), taking the target's name only once the whole text is on the disk.
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return failed(std::strerror(errno), -1, "");
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) ? old.st_mode & 07777 : 0644;
    (void)::fchmod(fd, mode);
    for (std::size_t done = 0; done < content.size();) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return failed(std::strerror(errno), fd, temp);
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return failed(std::strerror(errno), fd, temp);
    if (::close(fd) != 0) return failed(std::strerror(errno), -1, temp);
    if (::rename(temp.c_str(), path.c_str()) != 0) return failed(std::strerror(errno), -1, temp);
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
