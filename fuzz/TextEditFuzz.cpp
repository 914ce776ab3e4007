// The two text edits on arbitrary bytes: the first byte picks the options
// (and, for the package document, nothing), the rest is the file. Neither
// edit may crash or fail; a file no edit changed keeps its bytes, a
// rewritten one ends in one CR LF (in UTF-16 where it starts with a UTF-16
// mark); and a second pass changes nothing.
#include "FuzzFiles.h"
#include "SettingsStore.h"
#if BINDWELL_FUZZ_PACKAGE
#include "PackageDocument.h"
#else
#include "Stylesheet.h"
#endif

#include <cstdlib>

namespace {

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// Ends in CR LF, in UTF-16 when the original starts with a UTF-16 mark.
bool EndsInLineBreak(const std::string& original, const std::string& text)
{
    const std::string breakOf = original.rfind("\xFF\xFE", 0) == 0   ? std::string("\r\0\n\0", 4)
                                : original.rfind("\xFE\xFF", 0) == 0 ? std::string("\0\r\0\n", 4)
                                                                    : std::string("\r\n");
    return text.size() >= breakOf.size() && text.compare(text.size() - breakOf.size(), breakOf.size(), breakOf) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ::setenv("XDG_CONFIG_HOME", (ScratchFolder() / "config").c_str(), 1);
    SettingsStore::LoadOptions();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t options = data[0];
    const std::filesystem::path file = ScratchFolder() / (BINDWELL_FUZZ_PACKAGE ? "content.opf" : "book.css");
    const std::string before(reinterpret_cast<const char*>(data + 1), size - 1);
    WriteBytes(file, data + 1, size - 1);
    SettingsStore::PutOption(OptionKey::FontSizes, options & 1);
    SettingsStore::PutOption(OptionKey::IntlFonts, options & 2);
    SettingsStore::PutOption(OptionKey::JustifyText, options & 4);
    SettingsStore::PutOption(OptionKey::LineHeights, options & 8);
    SettingsStore::PutOption(OptionKey::PageMargins, options & 16);
    SettingsStore::PutOption(OptionKey::FontFamilies, options & 32);
    SettingsStore::PutOption(OptionKey::RelativeSizes, options & 64);
    SettingsStore::PutOption(OptionKey::TextColors, options & 128);
    const auto edit = [&] {
#if BINDWELL_FUZZ_PACKAGE
        return AlterContentOpf(file.string(), "../");
#else
        return StripCSSFonts(file.string(), "../../", FixOptions::Current()).rewritten;
#endif
    };

    const bool rewritten = edit();
    const std::string once = ReadBytes(file);
    if (!rewritten && once != before)
        std::abort();
    if (rewritten && !EndsInLineBreak(before, once))
        std::abort();

    // Nothing changes a fixed file again: declarations are edited only where
    // one starts, and what an edit leaves (the longhands of a font
    // shorthand included) the same options keep; nothing is appended or
    // inserted twice.
    const bool again = edit();
    const std::string twice = ReadBytes(file);
    if (again || twice != once)
        std::abort();
    for (const char* part : {"@font-face {", "p { text-align: justify; }", "media-type=\"application/octet-stream\""})
        if (Count(twice, part) > Count(once, part))
            std::abort();
    return 0;
}
