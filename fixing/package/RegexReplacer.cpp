// A regular-expression matcher over bytes (PCRE2) that replaces every match.
#include "RegexReplacer.h"

#include "RunTimeError.h"
#include "Translation.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <limits>
#include <memory>

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
                           Words::Fill(Words::translate("BookFix", "Regular expression \"%1\" is invalid: %2"),
                                       {pattern, ErrorText(error)}));
    pcre2_jit_compile(code_, PCRE2_JIT_COMPLETE);  // falls back to the interpreter when JIT is missing
    context_ = pcre2_match_context_create(nullptr);
    if (!context_) {
        pcre2_code_free(code_);
        throw RunTimeError(
            ErrorNumber::OutOfMemory, Words::translate("BookFix", "Out of memory creating a regular expression"));
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

std::string RegexReplacer::ReplaceEach(const std::string& subject, char lastByte,
                                       const std::function<std::string(const Groups&)>& replace) const
{
    const std::size_t last = subject.find_last_of(lastByte);
    const std::size_t matchable = last == std::string::npos ? 0 : last + 1;
    const auto data = reinterpret_cast<PCRE2_SPTR>(subject.data());

    const std::unique_ptr<pcre2_match_data, void (*)(pcre2_match_data*)> match(
        pcre2_match_data_create_from_pattern(code_, nullptr), pcre2_match_data_free);
    if (!match)
        throw RunTimeError(
            ErrorNumber::OutOfMemory, Words::translate("BookFix", "Out of memory matching a regular expression"));
    std::string out;
    out.reserve(subject.size());
    std::size_t from = 0;
    while (from <= matchable) {
        const int rc = pcre2_match(code_, data, matchable, from, 0, match.get(), context_);
        if (rc == PCRE2_ERROR_NOMATCH)
            break;
        if (rc < 0)
            throw RunTimeError(ErrorNumber::InvalidCall,
                Words::Fill(Words::translate("BookFix", "Regular expression match failed: %1"), {ErrorText(rc)}));
        const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(match.get());
        Groups groups(pcre2_get_ovector_count(match.get()));
        for (std::size_t g = 0; g < groups.size(); ++g)
            if (ovector[2 * g] != PCRE2_UNSET)
                groups[g].assign(subject, ovector[2 * g], ovector[2 * g + 1] - ovector[2 * g]);
        out.append(subject, from, ovector[0] - from);
        out += replace(groups);
        from = ovector[1];
        if (ovector[1] == ovector[0]) {  // an empty match: step over one byte, so that the loop ends
            if (from == matchable)
                break;
            out += subject[from++];
        }
    }
    out.append(subject, from, std::string::npos);
    return out;
}
