#pragma once

// A regular-expression matcher over bytes (PCRE2) that replaces every match.

#include <functional>
#include <string>
#include <vector>

struct pcre2_real_code_8;
struct pcre2_real_match_context_8;

// An ECMAScript-style matcher over bytes (PCRE2, 8-bit, no UTF mode, JIT
// where available) that replaces every match. Lives for one edit.
class RegexReplacer {
public:
    // Raises RunTimeError when the pattern cannot be compiled.
    RegexReplacer(const std::string& pattern, bool ignoreCase);
    ~RegexReplacer();
    RegexReplacer(const RegexReplacer&) = delete;
    RegexReplacer& operator=(const RegexReplacer&) = delete;

    // The groups of one match: [0] the whole match, then each group, empty
    // where it took no part.
    using Groups = std::vector<std::string>;

    // Replaces every match in subject with what replace makes of its
    // groups. When every match of the pattern must end with the byte
    // lastByte, nothing after the subject's last such byte can take part in
    // a match; that tail is copied without matching, which keeps a long
    // unterminated run from being scanned over and over. A matcher failure
    // raises RunTimeError.
    std::string ReplaceEach(const std::string& subject, char lastByte,
                            const std::function<std::string(const Groups&)>& replace) const;

private:
    pcre2_real_code_8* code_ = nullptr;
    pcre2_real_match_context_8* context_ = nullptr;
};
