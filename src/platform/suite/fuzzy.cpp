#include "platform/suite/fuzzy.h"

#include <algorithm>
#include <cctype>

#include "platform/suite/text_util.h"

namespace vtl::suite {

namespace {

std::size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> prev(b.size() + 1), cur(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) prev[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        cur[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            std::size_t subst = prev[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            cur[j] = std::min({prev[j] + 1, cur[j - 1] + 1, subst});
            // A swap of two neighbouring letters counts as one slip.
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) cur[j] = std::min(cur[j], prev[j - 1]);
        }
        std::swap(prev, cur);
    }
    return prev[b.size()];
}

}  // namespace

void FuzzyMatcher::init() {
    active_ = true;
    ignoreCase_ = false;
    wholeWords_ = false;
}

void FuzzyMatcher::kill() { active_ = false; }

void FuzzyMatcher::setOption(int option, bool on) {
    if (option == IgnoreCase) ignoreCase_ = on;
    else if (option == WholeWords) wholeWords_ = on;
}

bool FuzzyMatcher::option(int option) const {
    if (option == IgnoreCase) return ignoreCase_;
    if (option == WholeWords) return wholeWords_;
    return false;
}

std::vector<std::string> FuzzyMatcher::words(std::string_view s) const {
    std::vector<std::string> out;
    std::string w;
    for (char ch : s) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (std::isalnum(c) || c >= 0x80) {
            w += ignoreCase_ ? lowerAscii(ch) : ch;
        } else if (!w.empty()) {
            out.push_back(std::move(w));
            w.clear();
        }
    }
    if (!w.empty()) out.push_back(std::move(w));
    return out;
}

int FuzzyMatcher::wordScore(const std::string& q, const std::string& c) const {
    if (q == c) return 100;
    if (!wholeWords_ && c.size() > q.size() && c.compare(0, q.size(), q) == 0)
        return 70 + static_cast<int>(30 * q.size() / c.size());
    const std::size_t longer = std::max(q.size(), c.size());
    const std::size_t d = editDistance(q, c);
    // Short words are too easily alike: allow one slip in four letters.
    if (d * 4 > longer) return 0;
    return static_cast<int>(80 * (longer - d) / longer);
}

int FuzzyMatcher::score(std::string_view query, std::string_view candidate) const {
    const auto qs = words(query);
    const auto cs = words(candidate);
    if (qs.empty() || cs.empty()) return 0;
    int total = 0;
    for (const auto& q : qs) {
        int best = 0;
        for (const auto& c : cs) best = std::max(best, wordScore(q, c));
        total += best;
    }
    return total / static_cast<int>(qs.size());
}

std::vector<FuzzyMatcher::Match> FuzzyMatcher::rank(std::string_view query, const std::vector<std::string>& candidates,
                                                    int minimum) const {
    std::vector<Match> out;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        int s = score(query, candidates[i]);
        if (s >= minimum) out.push_back({i, s});
    }
    std::stable_sort(out.begin(), out.end(), [](const Match& a, const Match& b) { return a.score > b.score; });
    return out;
}

}  // namespace vtl::suite
