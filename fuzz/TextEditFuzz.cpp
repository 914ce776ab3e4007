// The two text edits on arbitrary bytes: the first byte picks the options
// (and, for the package document, nothing), the rest is the file. Neither
// edit may crash or fail, and every rewrite ends in one CR LF after the
// untouched tail of the text.
#include "FuzzFiles.h"
#include "PackageDocument.h"
#include "SettingsStore.h"
#include "Stylesheet.h"

#include <cstdlib>

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
    WriteBytes(file, data + 1, size - 1);
    if (BINDWELL_FUZZ_PACKAGE) {
        AlterContentOpf(file.string(), "../");
    } else {
        SettingsStore::PutOption(OptionKey::FontSizes, options & 1);
        SettingsStore::PutOption(OptionKey::IntlFonts, options & 2);
        SettingsStore::PutOption(OptionKey::JustifyText, options & 4);
        StripCSSFonts(file.string(), "../../");
    }
    const std::string out = ReadBytes(file);
    if (out.size() < 2 || out.compare(out.size() - 2, 2, "\r\n") != 0)
        std::abort();
    return 0;
}
