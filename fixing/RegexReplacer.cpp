#include "RegexReplacer.h"

#include "RunTimeError.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <limits>

namespace {

std::string ErrorText(int code)
{
    PCRE2_UCHAR buffer[256];
    pcre2_get_error_message(code, buffer, sizeof buffer);
    return reinterpret_cast<const char*>(buffer);
}

}  // namespace

RegexReplacer::RegexReplacer(const std::string& pattern, bool ignoreCase)
{
    int error = 0;
    PCRE2_SIZE offset = 0;
    const uint32_t options = ignoreCase ? PCRE2_CASELESS : 0;
    code_ = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(), options, &error, &offset,
                          nullptr);
    if (!code_)
        throw RunTimeError(ErrorNumber::InvalidCall,
                           "Regular expression \"" + pattern + "\" is invalid: " + ErrorText(error));
    pcre2_jit_compile(code_, PCRE2_JIT_COMPLETE);  // falls back to the interpreter when JIT is missing
    context_ = pcre2_match_context_create(nullptr);
    if (!context_) {
        pcre2_code_free(code_);
        throw RunTimeError(ErrorNumber::OutOfMemory, "Out of memory creating a regular expression");
    }
    // Whole stylesheets are one subject; do not let the default limits cut
    // off a long but harmless match.
    pcre2_set_match_limit(context_, std::numeric_limits<uint32_t>::max());
    pcre2_set_depth_limit(context_, std::numeric_limits<uint32_t>::max());
}

RegexReplacer::~RegexReplacer()
{
    pcre2_match_context_free(context_);
    pcre2_code_free(code_);
}

std::string RegexReplacer::ReplaceAll(const std::string& subject, const std::string& replacement,
                                      char lastByte) const
{
    const std::size_t last = subject.find_last_of(lastByte);
    const std::size_t matchable = last == std::string::npos ? 0 : last + 1;

    std::string out(matchable + matchable / 8 + replacement.size() + 64, '\0');
    for (;;) {
        PCRE2_SIZE outLength = out.size();
        const int rc = pcre2_substitute(
            code_, reinterpret_cast<PCRE2_SPTR>(subject.data()), matchable, 0,
            PCRE2_SUBSTITUTE_GLOBAL | PCRE2_SUBSTITUTE_OVERFLOW_LENGTH, nullptr, context_,
            reinterpret_cast<PCRE2_SPTR>(replacement.data()), replacement.size(),
            reinterpret_cast<PCRE2_UCHAR*>(out.data()), &outLength);
        if (rc == PCRE2_ERROR_NOMEMORY) {
            out.assign(outLength, '\0');  // outLength now holds the size needed
            continue;
        }
        if (rc < 0)
            throw RunTimeError(ErrorNumber::InvalidCall, "Regular expression replacement failed: " + ErrorText(rc));
        out.resize(outLength);
        break;
    }
    out.append(subject, matchable, std::string::npos);
    return out;
}

std::string EscapeReplacement(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '$')
            out += '$';
        out += c;
    }
    return out;
}
