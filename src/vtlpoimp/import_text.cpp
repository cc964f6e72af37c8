#include "vtlpoimp/import_text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace vtl::imp {
namespace {

constexpr std::size_t kChunk = 1 << 20;

std::string joinPath(const std::string& folder, const char* name) {
    return (std::filesystem::path(folder) / name).string();
}

// Checks UTF-8 across chunk boundaries: `pending` counts the continuation
// bytes still owed by the last lead byte.
class Utf8Check {
public:
    void feed(const unsigned char* p, std::size_t n) {
        for (std::size_t i = 0; i < n && ok_; ++i) {
            const unsigned char c = p[i];
            if (pending_ > 0) {
                if ((c & 0xC0) != 0x80 || (min_ && c < min_) || (max_ && c > max_)) {
                    ok_ = false;
                    return;
                }
                min_ = max_ = 0;
                --pending_;
                continue;
            }
            if (c < 0x80) continue;
            if (c >= 0xC2 && c <= 0xDF) pending_ = 1;
            else if (c >= 0xE0 && c <= 0xEF) {
                pending_ = 2;
                if (c == 0xE0) min_ = 0xA0;
                if (c == 0xED) max_ = 0x9F;
            } else if (c >= 0xF0 && c <= 0xF4) {
                pending_ = 3;
                if (c == 0xF0) min_ = 0x90;
                if (c == 0xF4) max_ = 0x8F;
            } else {
                ok_ = false;
            }
        }
    }
    bool ok() const { return ok_ && pending_ == 0; }

private:
    int pending_ = 0;
    unsigned char min_ = 0, max_ = 0;
    bool ok_ = true;
};

}  // namespace

bool validUtf8(std::string_view s) {
    Utf8Check c;
    c.feed(reinterpret_cast<const unsigned char*>(s.data()), s.size());
    return c.ok();
}

std::string latin1ToUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (unsigned char c : s) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

LineFile::~LineFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::unique_ptr<LineFile> LineFile::open(const std::string& path, const std::string& dataFolder, std::string& error,
                                         const ReadProgress& progress) {
    const int in = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        error = path + ": " + std::strerror(errno);
        return nullptr;
    }
    struct stat st {};
    if (::fstat(in, &st) != 0 || S_ISDIR(st.st_mode)) {
        error = path + ": " + (S_ISDIR(st.st_mode) ? std::string("is a folder") : std::string(std::strerror(errno)));
        ::close(in);
        return nullptr;
    }
    const std::string work = joinPath(dataFolder, kImportWorkFile);
    std::string temp = work + ".XXXXXX";
    const int out = ::mkstemp(temp.data());
    if (out < 0) {
        error = work + ": " + std::strerror(errno);
        ::close(in);
        return nullptr;
    }
    std::unique_ptr<LineFile> f(new LineFile);
    f->fd_ = out;
    Utf8Check utf8;
    std::string chunk(kChunk, '\0');
    std::int64_t copied = 0;
    const std::int64_t total = static_cast<std::int64_t>(st.st_size);
    auto failed = [&](const std::string& what) {
        error = what + ": " + std::strerror(errno);
        ::close(in);
        ::unlink(temp.c_str());
        return nullptr;
    };
    for (;;) {
        const ssize_t n = ::read(in, chunk.data(), chunk.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return failed(path);
        }
        if (n == 0) break;
        utf8.feed(reinterpret_cast<const unsigned char*>(chunk.data()), static_cast<std::size_t>(n));
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(out, chunk.data() + done, static_cast<std::size_t>(n - done));
            if (w < 0) {
                if (errno == EINTR) continue;
                return failed(work);
            }
            done += w;
        }
        copied += n;
        if (progress && !progress(copied, std::max<std::int64_t>(total, copied) * 2)) {
            error.clear();  // stopped by the person
            ::close(in);
            ::unlink(temp.c_str());
            return nullptr;
        }
    }
    ::close(in);
    if (::lseek(out, 0, SEEK_SET) != 0) return failed(work);
    if (::rename(temp.c_str(), work.c_str()) != 0) return failed(work);
    f->size_ = copied;
    f->latin1_ = !utf8.ok();
    return f;
}

bool LineFile::fill() {
    if (eof_) return false;
    if (pos_ > 0) {
        buf_.erase(0, pos_);
        pos_ = 0;
    }
    const std::size_t old = buf_.size();
    buf_.resize(old + kChunk);
    ssize_t n;
    do n = ::read(fd_, buf_.data() + old, kChunk);
    while (n < 0 && errno == EINTR);
    if (n <= 0) {
        if (n < 0) readError_ = std::strerror(errno);
        buf_.resize(old);
        eof_ = true;
        return false;
    }
    buf_.resize(old + static_cast<std::size_t>(n));
    return true;
}

bool LineFile::next(std::string& line) {
    std::size_t searchFrom = pos_;
    for (;;) {
        const auto nl = buf_.find('\n', searchFrom);
        if (nl != std::string::npos) {
            std::size_t end = nl;
            if (end > pos_ && buf_[end - 1] == '\r') --end;
            line.assign(buf_, pos_, end - pos_);
            consumed_ += static_cast<std::int64_t>(nl + 1 - pos_);
            pos_ = nl + 1;
            break;
        }
        const std::size_t scanned = buf_.size() - pos_;
        if (!fill()) {
            if (pos_ >= buf_.size()) return false;
            std::size_t end = buf_.size();
            if (end > pos_ && buf_[end - 1] == '\r') --end;
            line.assign(buf_, pos_, end - pos_);
            consumed_ += static_cast<std::int64_t>(buf_.size() - pos_);
            pos_ = buf_.size();
            break;
        }
        searchFrom = pos_ + scanned;
    }
    if (first_) {
        first_ = false;
        if (line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
    }
    // A NUL byte is no character of any text: it would cut the text short
    // for every program that reads the database after us. A blank keeps
    // the places of a fixed-position line.
    std::replace(line.begin(), line.end(), '\0', ' ');
    if (latin1_) line = latin1ToUtf8(line);
    return true;
}

namespace {

// Byte length of the first n code points of s.
std::size_t codePointBytes(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    while (i < s.size() && n > 0) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
        --n;
    }
    return i;
}

}  // namespace

void splitFields(std::string_view line, FileFormat format, const std::vector<LayoutToken>& tokens,
                 std::vector<std::string>& fields) {
    fields.resize(tokens.size());
    std::size_t p = 0;
    for (std::size_t t = 0; t < tokens.size(); ++t) {
        std::string& f = fields[t];
        f.clear();
        if (p >= line.size()) continue;
        switch (format) {
            case FileFormat::Comma: {
                if (line[p] == '"') {
                    std::size_t i = p + 1;
                    bool closed = false;
                    while (i < line.size()) {
                        if (line[i] == '"') {
                            if (i + 1 < line.size() && line[i + 1] == '"') {
                                f += '"';
                                i += 2;
                                continue;
                            }
                            closed = true;
                            break;
                        }
                        // Runs of plain characters are copied at once.
                        const auto q = line.find('"', i);
                        const std::size_t stop = q == std::string_view::npos ? line.size() : q;
                        f.append(line.substr(i, stop - i));
                        i = stop;
                    }
                    if (!closed) {
                        f.clear();
                        p = line.size();
                    } else {
                        p = i + 2;  // past the closing quote and the comma after it
                    }
                } else {
                    const auto comma = line.find(',', p);
                    const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
                    f.assign(line.substr(p, end - p));
                    p = end + 1;
                }
                break;
            }
            case FileFormat::Tab: {
                const auto tab = line.find('\t', p);
                const std::size_t end = tab == std::string_view::npos ? line.size() : tab;
                std::string_view v = line.substr(p, end - p);
                if (!v.empty() && v.front() == '"') v = v.size() >= 2 ? v.substr(1, v.size() - 2) : std::string_view();
                f.assign(v);
                p = end + 1;
                break;
            }
            case FileFormat::Fixed: {
                const std::size_t n = codePointBytes(line.substr(p), static_cast<std::size_t>(tokens[t].width));
                f.assign(line.substr(p, n));
                p += n;
                break;
            }
        }
    }
}

namespace {

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// A whole number of up to 9 digits; -1 when the text is anything else.
int wholeNumber(std::string_view s) {
    s = trimBlanks(s);
    if (s.empty() || s.size() > 9) return -1;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

int fullYear(std::string_view text) {
    const std::string_view t = trimBlanks(text);
    const int y = wholeNumber(t);
    if (y < 0) return -1;
    if (t.size() <= 2) return y < 50 ? 2000 + y : 1900 + y;
    return y;
}

}  // namespace

Date readDate(std::string_view text, std::string_view format) {
    const std::string_view t = trimBlanks(text);
    if (t.empty()) return Date();
    const bool dayFirst = format.substr(0, 2) == "DD";
    int first = -1, second = -1, year = -1;
    if (format.size() >= 3 && (format[2] == '/' || format[2] == '-')) {
        const char sep = format[2];
        const auto a = t.find(sep);
        if (a == std::string_view::npos) return Date();
        const auto b = t.find(sep, a + 1);
        if (b == std::string_view::npos) return Date();
        first = wholeNumber(t.substr(0, a));
        second = wholeNumber(t.substr(a + 1, b - a - 1));
        year = fullYear(t.substr(b + 1));
    } else if (format == "MMDDYY" || format == "MMDDYYYY" || format == "DDMMYY" || format == "DDMMYYYY") {
        if (t.size() < 5) return Date();
        first = wholeNumber(t.substr(0, 2));
        second = wholeNumber(t.substr(2, 2));
        year = fullYear(t.substr(4));
    } else {
        return Date();
    }
    if (first < 0 || second < 0 || year < 0) return Date();
    const int month = dayFirst ? second : first;
    const int day = dayFirst ? first : second;
    if (!Date::isValidYmd(year, month, day)) return Date();
    return Date::fromYmd(year, month, day);
}

std::string numberText(std::string_view text) {
    std::string out;
    bool digits = false;
    bool minus = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            out += c;
            digits = true;
        } else if (c == '.') {
            out += c;
        } else if (c == '-' && !digits && !minus && out.empty()) {
            out += c;
            minus = true;
        }
    }
    return out;
}

}  // namespace vtl::imp
