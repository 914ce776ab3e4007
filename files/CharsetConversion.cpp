// Exact conversions between UTF-8 and the encodings glibc's iconv knows.
#include "CharsetConversion.h"

#include "Utf8Append.h"

#include <algorithm>
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

    enum Result {
        Done,        // all of the input converted
        OutOfRoom,   // the output is full
        Incomplete,  // the input ends inside a sequence
        Refused,     // a byte that does not convert, or a conversion that loses something
    };
    // Converts from *in on, as far as the input and the room in *out go;
    // with in null, writes what returns the output to its initial state.
    Result Step(const char** in, std::size_t* inLeft, char** out, std::size_t* outLeft)
    {
        const std::size_t lost = in ? ::iconv(cd_, const_cast<char**>(in), inLeft, out, outLeft)
                                    : ::iconv(cd_, nullptr, nullptr, out, outLeft);
        if (lost != static_cast<std::size_t>(-1))
            return lost == 0 ? Done : Refused;
        return errno == E2BIG ? OutOfRoom : errno == EINVAL ? Incomplete : Refused;
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
        const Conversion::Result result = conversion.Step(ending ? nullptr : &in, &inLeft, &out, &outLeft);
        written = output.size() - outLeft;
        if (result == Conversion::OutOfRoom) {
            output.resize(output.size() * 2);
        } else if (result != Conversion::Done) {
            return std::nullopt;
        } else if (!ending) {
            ending = true;
        } else {
            output.resize(written);
            return output;
        }
    }
}

constexpr std::size_t UnitSize = 4;         // one UTF-32 code unit
constexpr std::size_t LongestSequence = 16;  // bytes of one character, or of one shift

// bytes decoded one character at a time: iconv is given one byte more
// until what it has is a whole character (or a shift, which makes none),
// so that where each ASCII character comes from is known. nullopt where it
// fails or an ASCII character does not come from its own byte. (Asking for
// one character of output at a time instead costs iconv a conversion of
// the rest of the text on each call.)
std::optional<std::string> DecodedByCharacter(std::string_view bytes, const std::string& charset)
{
    Conversion conversion("UTF-32LE", charset);
    if (!conversion.Opened())
        return std::nullopt;
    std::string text;
    text.reserve(bytes.size() * 2);
    const char* in = bytes.data();
    const char* const end = in + bytes.size();
    unsigned char units[2 * LongestSequence * UnitSize];
    for (std::size_t window = 1; in != end;) {
        const char* const from = in;
        std::size_t inLeft = std::min<std::size_t>(window, static_cast<std::size_t>(end - in));
        char* out = reinterpret_cast<char*>(units);
        std::size_t outLeft = sizeof units;
        const Conversion::Result result = conversion.Step(&in, &inLeft, &out, &outLeft);
        if (result == Conversion::Refused || result == Conversion::OutOfRoom)
            return std::nullopt;
        if (result == Conversion::Incomplete && in == from) {
            if (window == LongestSequence || from + window >= end)
                return std::nullopt;  // cut off at the end, or no character at all
            ++window;
            continue;
        }
        window = 1;
        const bool ownByte = in - from == 1 && static_cast<unsigned char>(*from) < 0x80;
        const std::size_t made = (sizeof units - outLeft) / UnitSize;
        if (ownByte && made != 1)
            return std::nullopt;
        for (std::size_t i = 0; i < made; ++i) {
            const unsigned char* unit = units + i * UnitSize;
            const std::uint32_t code =
                unit[0] | unit[1] << 8 | unit[2] << 16 | static_cast<std::uint32_t>(unit[3]) << 24;
            if (ownByte ? code != static_cast<unsigned char>(*from) : code < 0x80)
                return std::nullopt;
            if (code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
                return std::nullopt;
            AppendUtf8(text, code);
        }
    }
    // A character that only the end brings out has no bytes of its own.
    char* out = reinterpret_cast<char*>(units);
    std::size_t outLeft = sizeof units;
    if (conversion.Step(nullptr, nullptr, &out, &outLeft) != Conversion::Done || outLeft != sizeof units)
        return std::nullopt;
    return text;
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
