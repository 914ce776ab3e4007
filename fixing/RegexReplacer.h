#pragma once

#include <string>

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

    // Replaces every match in subject. In replacement, "$1" stands for the
    // first group and "$$" for a dollar sign. When every match of the
    // pattern must end with the byte lastByte, nothing after the subject's
    // last such byte can take part in a match; that tail is copied without
    // matching, which keeps a long unterminated run from being scanned
    // over and over. A matcher failure raises RunTimeError.
    std::string ReplaceAll(const std::string& subject, const std::string& replacement, char lastByte) const;

private:
    pcre2_real_code_8* code_ = nullptr;
    pcre2_real_match_context_8* context_ = nullptr;
};

// Makes text safe to put literally into a replacement.
std::string EscapeReplacement(const std::string& text);
