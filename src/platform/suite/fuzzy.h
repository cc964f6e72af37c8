#pragma once
// Text matching for the searches of the module (a vendor by part of its
// name, misspelt or not). Both texts are cut into words (letters and
// digits); each word searched for is scored against the best-matching word
// of the candidate: the same word scores 100, the start of a word 70 to 100
// by how much of it was typed, a word within a few typing slips up to 80 by
// its likeness. The candidate's score is the mean over the words searched for.
//
// Option 1 (IgnoreCase) compares without regard to case; option 2
// (WholeWords) takes no credit for the start of a word. The module switches
// option 1 on and option 2 off.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vtl::suite {

class FuzzyMatcher {
public:
    enum Option { IgnoreCase = 1, WholeWords = 2 };

    void init();
    void kill();
    bool active() const { return active_; }

    void setOption(int option, bool on);
    bool option(int option) const;

    // 0 (nothing alike) to 100 (the same words).
    int score(std::string_view query, std::string_view candidate) const;

    struct Match {
        std::size_t index;  // into the candidates
        int score;
    };
    // The candidates scoring at least `minimum`, best first (ties keep the
    // candidates' order).
    std::vector<Match> rank(std::string_view query, const std::vector<std::string>& candidates,
                            int minimum = 60) const;

private:
    int wordScore(const std::string& q, const std::string& c) const;
    std::vector<std::string> words(std::string_view s) const;

    bool active_ = false;
    bool ignoreCase_ = false;
    bool wholeWords_ = false;
};

}  // namespace vtl::suite
