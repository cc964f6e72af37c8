#include "vtlporpt/email/curl_mail_sender.h"

#include <curl/curl.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <random>

namespace vtl::rpt {
namespace {

// What one transfer holds, freed in the order libcurl asks for.
struct Transfer {
    CURL* curl = nullptr;
    curl_mime* mime = nullptr;
    curl_slist* recipients = nullptr;
    curl_slist* headers = nullptr;

    Transfer() : curl(curl_easy_init()) {}
    ~Transfer() {
        curl_slist_free_all(recipients);
        curl_slist_free_all(headers);
        if (curl) curl_easy_cleanup(curl);
        curl_mime_free(mime);
    }
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    bool add(curl_slist*& list, const std::string& line) {
        curl_slist* grown = curl_slist_append(list, line.c_str());
        if (!grown) return false;
        list = grown;
        return true;
    }
};

// The server's answers as the transfer goes, to quote the last one.
struct Answers {
    std::string pending;  // lines of a reply spread over several lines ("250-...")
    std::string last;     // the last whole reply
};

int collectAnswers(CURL*, curl_infotype type, char* data, std::size_t size, void* user) {
    // Only what the server says; what is sent (the sign-on among it) is never looked at.
    if (type != CURLINFO_HEADER_IN) return 0;
    auto* answers = static_cast<Answers*>(user);
    std::string line(data, size);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    answers->pending += (answers->pending.empty() ? "" : " ") + line;
    // "250-..." goes on; "250 ..." (or a bare code) ends the reply.
    if (line.size() <= 3 || line[3] != '-') {
        answers->last = answers->pending;
        answers->pending.clear();
    }
    return 0;
}

std::string crlfLines(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 40);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (text[i] == '\n') {
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

// "Tue, 14 Jul 2026 16:05:09 +0000", in English whatever the locale.
std::string dateHeader() {
    static const char* days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    gmtime_r(&now, &t);
    char text[64];
    std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d +0000", days[t.tm_wday], t.tm_mday,
                  months[t.tm_mon], t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

std::string messageId(const std::string& fromAddress) {
    static std::mt19937_64 random{std::random_device{}()};
    static std::mutex m;
    std::lock_guard lock(m);
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    char id[64];
    std::snprintf(id, sizeof id, "%llx.%llx", static_cast<unsigned long long>(now),
                  static_cast<unsigned long long>(random()));
    return "<" + std::string(id) + fromAddress.substr(fromAddress.find('@')) + ">";
}

std::string urlHost(const std::string& server) {
    if (server.find(':') != std::string::npos && server.front() != '[') return "[" + server + "]";
    return server;
}

std::string oneLine(std::string s) {
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return s;
}

// Takes the password out of a text meant for the person, should a server
// or library ever repeat it.
std::string withoutPassword(std::string text, const std::string& password) {
    if (password.size() < 3) return text;
    for (std::size_t at = text.find(password); at != std::string::npos; at = text.find(password, at))
        text.replace(at, password.size(), "********");
    return text;
}

SendResult refused(const std::string& error) {
    SendResult r;
    r.error = error;
    return r;
}

}  // namespace

CurlMailSender::CurlMailSender() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

SendResult CurlMailSender::send(const EmailSettings& settings, const MailMessage& message) {
    if (const std::string problem = settingsProblem(settings); !problem.empty())
        return refused("The message was not sent: " + problem);
    const Mailbox from = parseMailbox(settings.from);
    if (message.to.empty()) return refused("The message was not sent: it has no recipient.");
    for (const Recipient& r : message.to)
        if (!isEmailAddress(r.address))
            return refused("The message was not sent: \"" + oneLine(r.address) + "\" is not an e-mail address.");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(message.attachmentPath, ec) || !std::ifstream(message.attachmentPath))
        return refused("The message was not sent: the file " + message.attachmentPath + " cannot be read.");

    Transfer t;
    if (!t.curl) return refused("The message was not sent: the mail library could not start.");
    CURL* c = t.curl;
    const char* scheme = settings.security == Security::Tls ? "smtps://" : "smtp://";
    const std::string url = scheme + urlHost(settings.server) + ":" + std::to_string(effectivePort(settings));
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    if (settings.security == Security::StartTls)
        curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    if (!settings.user.empty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, settings.user.c_str());
        curl_easy_setopt(c, CURLOPT_PASSWORD, settings.password.c_str());
    }
    const std::string mailFrom = "<" + from.address + ">";
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, mailFrom.c_str());

    std::string toHeader;
    bool listed = true;
    for (const Recipient& r : message.to) {
        listed = t.add(t.recipients, "<" + r.address + ">") && listed;
        toHeader += (toHeader.empty() ? "" : ", ") + mailboxHeader(r.name, r.address);
    }
    listed = t.add(t.headers, "Date: " + dateHeader()) && listed;
    listed = t.add(t.headers, "From: " + mailboxHeader(from.name, from.address)) && listed;
    listed = t.add(t.headers, "To: " + toHeader) && listed;
    listed = t.add(t.headers, "Subject: " + headerText(message.subject)) && listed;
    listed = t.add(t.headers, "Message-ID: " + messageId(from.address)) && listed;
    if (!listed) return refused("The message was not sent: out of memory.");
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, t.recipients);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, t.headers);

    t.mime = curl_mime_init(c);
    curl_mimepart* text = curl_mime_addpart(t.mime);
    const std::string body = crlfLines(message.body);
    curl_mime_data(text, body.data(), body.size());
    curl_mime_type(text, "text/plain; charset=utf-8");
    curl_mime_encoder(text, "quoted-printable");
    curl_mimepart* pdf = curl_mime_addpart(t.mime);
    if (curl_mime_filedata(pdf, message.attachmentPath.c_str()) != CURLE_OK)
        return refused("The message was not sent: the file " + message.attachmentPath + " cannot be read.");
    const std::string fileName = std::filesystem::path(message.attachmentPath).filename().string();
    curl_mime_filename(pdf, fileName.c_str());
    curl_mime_type(pdf, "application/pdf");
    curl_mime_encoder(pdf, "base64");
    curl_easy_setopt(c, CURLOPT_MIMEPOST, t.mime);

    char errorText[CURL_ERROR_SIZE] = "";
    Answers answers;
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, collectAnswers);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &answers);
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);  // to the function above only
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, static_cast<long>(connectTimeout));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, static_cast<long>(stallTimeout));

    const CURLcode code = curl_easy_perform(c);
    SendResult result;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &result.responseCode);
    if (code == CURLE_OK) {
        result.sent = true;
        return result;
    }
    std::string line = "The message was not sent: ";
    line += curl_easy_strerror(code);
    std::string detail = oneLine(errorText);
    while (!detail.empty() && (detail.back() == '.' || detail.back() == ' ')) detail.pop_back();
    if (!detail.empty() && detail != curl_easy_strerror(code)) line += " (" + detail + ")";
    // A refusal is a code of 400 and up; an earlier answer (the greeting
    // before a failed STARTTLS) explains nothing.
    if (result.responseCode >= 400) {
        line += "; the server answered";
        if (!answers.last.empty()) line += " \"" + answers.last + "\"";
        line += " (SMTP " + std::to_string(result.responseCode) + ")";
    }
    line += ".";
    result.error = withoutPassword(oneLine(line), settings.password);
    return result;
}

MailSender& defaultMailSender() {
    static CurlMailSender sender;
    return sender;
}

}  // namespace vtl::rpt
