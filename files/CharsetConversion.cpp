// Exact conversions between UTF-8 and the encodings glibc's iconv knows.
#include "CharsetConversion.h"

#include "Utf8Append.h"

#include <cerrno>
#include <cstdint>
#include <iconv.h>

namespace {

// Names iconv is given: no "//" suffix (transliteration, skipping what
// does not convert), no error-handler list, nothing to find a file by.
bool IsPlainName(const std::string& charset)
{
    if (charset.empty() || charset.size() > 64)
        return false;
    for (const char c : charset)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
              c == '.' || c == ':' || c == '+'))
            return false;
    return true;
}

// One iconv conversion descriptor, closed when it goes.
class Conversion {
public:
    Conversion(const std::string& to, const std::string& from)
        : cd_(IsPlainName(to) && IsPlainName(from) ? ::iconv_open(to.c_str(), from.c_str()) : Failed())
    {
    }
    ~Conversion()
    {
        if (Opened())
            ::iconv_close(cd_);
    }
    Conversion(const Conversion&) = delete;
    Conversion& operator=(const Conversion&) = delete;

    bool Opened() const { return cd_ != Failed(); }

    // Converts what in holds from in onwards into out, as far as out has room;
    // with in null, writes what ends the text in its initial state. Returns
    // false where iconv fails for another reason than room (a byte it cannot
    // convert, a sequence cut off at the end) or converts irreversibly.
    bool Step(const char** in, std::size_t* inLeft, char** out, std::size_t* outLeft, bool& outOfRoom)
    {
        const std::size_t done = in ? ::iconv(cd_, const_cast<char**>(in), inLeft, out, outLeft)
                                    : ::iconv(cd_, nullptr, nullptr, out, outLeft);
        outOfRoom = done == static_cast<std::size_t>(-1) && errno == E2BIG;
        return outOfRoom || done == 0;
    }

private:
    static iconv_t Failed() { return reinterpret_cast<iconv_t>(-1); }
    iconv_t cd_;
};

// The whole of input converted, ending in the initial state.
std::optional<std::string> ConvertWhole(std::string_view input, const std::string& to, const std::string& from)
{
    Conversion conversion(to, from);
    if (!conversion.Opened())
        return std::nullopt;
    std::string output(input.size() * 4 + 16, '\0');
    std::size_t written = 0;
    const char* in = input.data();
    std::size_t inLeft = input.size();
    for (bool ending = false;;) {
        char* out = output.data() + written;
        std::size_t outLeft = output.size() - written;
        bool outOfRoom = false;
        if (!conversion.Step(ending ? nullptr : &in, &inLeft, &out, &outLeft, outOfRoom))
            return std::nullopt;
        written = output.size() - outLeft;
        if (outOfRoom) {
            output.resize(output.size() * 2);
        } else if (!ending) {
            ending = true;
        } else {
            output.resize(written);
            return output;
        }
    }
}

constexpr std::size_t UnitSize = 4;  // one UTF-32 code unit

// bytes decoded one character at a time (iconv gives as many characters
// as its output has room for), so that where each ASCII character comes
// from is known; nullopt where it fails or an ASCII character does not
// come from its own byte.
std::optional<std::string> DecodedByCharacter(std::string_view bytes, const std::string& charset)
{
    Conversion conversion("UTF-32LE", charset);
    if (!conversion.Opened())
        return std::nullopt;
    std::string text;
    text.reserve(bytes.size() * 2);
    const char* in = bytes.data();
    std::size_t inLeft = bytes.size();
    for (bool ending = false;;) {
        const char* const from = in;
        // Room for one character, or for the few a single sequence can make.
        unsigned char units[4 * UnitSize];
        std::size_t made = 0;
        for (std::size_t room = 1;; ++room) {
            char* out = reinterpret_cast<char*>(units);
            std::size_t outLeft = room * UnitSize;
            bool outOfRoom = false;
            if (!conversion.Step(ending ? nullptr : &in, &inLeft, &out, &outLeft, outOfRoom))
                return std::nullopt;
            made = (room * UnitSize - outLeft) / UnitSize;
            if (!outOfRoom || made > 0 || in != from)
                break;
            if (room * UnitSize == sizeof units)
                return std::nullopt;
        }
        const bool ownByte = in - from == 1 && static_cast<unsigned char>(*from) < 0x80;
        if (ownByte && made != 1)
            return std::nullopt;
        for (std::size_t i = 0; i < made; ++i) {
            const unsigned char* unit = units + i * UnitSize;
            const std::uint32_t code = unit[0] | unit[1] << 8 | unit[2] << 16 | static_cast<std::uint32_t>(unit[3]) << 24;
            if (ownByte ? code != static_cast<unsigned char>(*from) : code < 0x80)
                return std::nullopt;
            if (code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
                return std::nullopt;
            AppendUtf8(text, code);
        }
        if (ending)  // a character that only the end brings out has no bytes of its own
            return made == 0 ? std::optional(text) : std::nullopt;
        if (inLeft == 0)
            ending = true;
        else if (in == from && made == 0)
            return std::nullopt;  // no way on
    }
}

}  // namespace

std::optional<std::string> DecodedExactly(std::string_view bytes, const std::string& charset)
{
    std::optional<std::string> text = DecodedByCharacter(bytes, charset);
    if (!text || ConvertWhole(*text, charset, "UTF-8") != bytes)
        return std::nullopt;
    return text;
}

std::optional<std::string> EncodedExactly(std::string_view text, const std::string& charset)
{
    std::optional<std::string> bytes = ConvertWhole(text, charset, "UTF-8");
    if (!bytes || DecodedByCharacter(*bytes, charset) != text)
        return std::nullopt;
    return bytes;
}
