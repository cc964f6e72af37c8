#include "vtlporpt/email/email_message.h"

#include <cctype>

#include "records/systems.h"
#include "records/users.h"

namespace vtl::rpt {
namespace {

bool printableAscii(const std::string& s) {
    for (unsigned char c : s)
        if (c < 0x20 || c > 0x7E) return false;
    return true;
}

std::string oneLine(const std::string& s) {
    std::string out;
    for (char c : s) out += (c == '\r' || c == '\n' || c == '\t') ? ' ' : c;
    return out;
}

bool isAtext(unsigned char c) {
    // The characters of an unquoted local part (RFC 5322 atext) but for the dot.
    static const std::string specials = "!#$%&'*+-/=?^_`{|}~";
    return std::isalnum(c) || specials.find(static_cast<char>(c)) != std::string::npos;
}

bool isDomain(const std::string& domain) {
    if (domain.size() > 253 || domain.find('.') == std::string::npos) return false;
    std::size_t start = 0;
    while (start <= domain.size()) {
        std::size_t end = domain.find('.', start);
        if (end == std::string::npos) end = domain.size();
        const std::string label = domain.substr(start, end - start);
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') return false;
        for (unsigned char c : label)
            if (!std::isalnum(c) && c != '-') return false;
        start = end + 1;
    }
    return true;
}

// The UTF-8 text as RFC 2047 "Q" encoded words of at most 75 characters,
// split between characters, never inside one.
std::string encodedWords(const std::string& text) {
    static const char* hex = "0123456789ABCDEF";
    const std::string open = "=?UTF-8?Q?", close = "?=";
    const std::size_t room = 75 - open.size() - close.size();
    std::string out, word;
    std::size_t i = 0;
    while (i < text.size()) {
        // One character: its lead byte and the continuation bytes after it.
        std::size_t n = 1;
        while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
        std::string encoded;
        for (std::size_t k = i; k < i + n; ++k) {
            const unsigned char c = static_cast<unsigned char>(text[k]);
            if (c == ' ') encoded += '_';
            else if (std::isalnum(c) || c == '!' || c == '*' || c == '+' || c == '-' || c == '/') encoded += char(c);
            else encoded += {'=', hex[c >> 4], hex[c & 0xF]};
        }
        if (!word.empty() && word.size() + encoded.size() > room) {
            out += (out.empty() ? "" : " ") + open + word + close;
            word.clear();
        }
        word += encoded;
        i += n;
    }
    if (!word.empty()) out += (out.empty() ? "" : " ") + open + word + close;
    return out;
}

}  // namespace

std::string poEmailBody(store::Store& store, const std::string& userId) {
    std::string body = kPOEmailBody;
    UserFile user;
    user.UserID = userId;
    if (!userId.empty() && store::Table<UserFile>(store).fetch(UserFile::KeyUserID, user) &&
        !user.EmailSignature.blank())
        body += "\n\n" + user.EmailSignature.clip();
    return body;
}

std::string poEmailSubject(const std::string& companyName) { return "Purchase Order from " + companyName; }

std::string poEmailSubject(store::Store& store) {
    Systems sys;
    auto cursor = store::Table<Systems>(store).all(Systems::KeySystemID);
    return poEmailSubject(cursor.next(sys) ? sys.CompanyName.clip() : std::string());
}

bool isEmailAddress(const std::string& address) {
    const std::size_t at = address.find('@');
    if (at == std::string::npos || at == 0 || address.find('@', at + 1) != std::string::npos) return false;
    const std::string local = address.substr(0, at);
    if (local.size() > 64 || local.front() == '.' || local.back() == '.' || local.find("..") != std::string::npos)
        return false;
    for (unsigned char c : local)
        if (c != '.' && !isAtext(c)) return false;
    return isDomain(address.substr(at + 1));
}

Mailbox parseMailbox(const std::string& text) {
    Mailbox m;
    const std::size_t open = text.find('<');
    if (open == std::string::npos) {
        m.address = std::string(text);
        // Blanks around a plain address are not part of it.
        while (!m.address.empty() && m.address.front() == ' ') m.address.erase(0, 1);
        while (!m.address.empty() && m.address.back() == ' ') m.address.pop_back();
    } else {
        const std::size_t close = text.find('>', open);
        if (close == std::string::npos || text.find_first_not_of(' ', close + 1) != std::string::npos) return m;
        m.address = text.substr(open + 1, close - open - 1);
        m.name = text.substr(0, open);
        while (!m.name.empty() && m.name.back() == ' ') m.name.pop_back();
        while (!m.name.empty() && m.name.front() == ' ') m.name.erase(0, 1);
        if (m.name.size() >= 2 && m.name.front() == '"' && m.name.back() == '"')
            m.name = m.name.substr(1, m.name.size() - 2);
    }
    m.ok = isEmailAddress(m.address);
    return m;
}

std::string mailboxHeader(const std::string& name, const std::string& address) {
    std::string shown = oneLine(name);
    while (!shown.empty() && shown.front() == ' ') shown.erase(0, 1);
    while (!shown.empty() && shown.back() == ' ') shown.pop_back();
    if (shown.empty()) return "<" + address + ">";
    if (!printableAscii(shown)) return encodedWords(shown) + " <" + address + ">";
    std::string quoted = "\"";
    for (char c : shown) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\" <" + address + ">";
}

std::string headerText(const std::string& text) {
    const std::string line = oneLine(text);
    // "=?" could be read as the start of an encoded word: such a text is encoded too.
    if (printableAscii(line) && line.find("=?") == std::string::npos) return line;
    return encodedWords(line);
}

}  // namespace vtl::rpt
