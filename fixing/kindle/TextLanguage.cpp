// The language of a book's text, from its html elements or guessed from its words.
#include "TextLanguage.h"

#include "AsciiText.h"
#include "CharacterEntities.h"
#include "HtmlLanguage.h"
#include "LanguageTag.h"
#include "TextEncoding.h"
#include "Utf8Append.h"
#include "Utf8Text.h"

#include <libexttextcat/textcat.h>

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

namespace {

// Where Debian's libexttextcat-data keeps the guesser's language data.
constexpr char GuesserConfiguration[] = "/usr/share/libexttextcat/fpdb.conf";
constexpr char GuesserFolder[] = "/usr/share/libexttextcat/";

// Marks a value stated in an html element that is no code: such values
// count, so that a book whose documents mostly say "C" is not taken for
// the language of the one that says "en".
constexpr char Unusable[] = "\x01";

// The character a reference names (the name between "&" and ";"): a
// number, or an entity of XML or HTML; nullopt for an unknown name.
std::optional<char32_t> Referenced(std::string_view name)
{
    if (!name.starts_with('#'))
        return EntityCharacter(name);
    const bool hex = name.starts_with("#x") || name.starts_with("#X");
    const unsigned long number = std::strtoul(std::string(name.substr(hex ? 2 : 1)).c_str(), nullptr, hex ? 16 : 10);
    return Sanitized(static_cast<char32_t>(std::min<unsigned long>(number, 0x110000)));
}

// text as UTF-8: as it is where it is UTF-8, else taken for Latin-1.
std::string AsUtf8(std::string text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.erase(0, 3);
    if (IsUtf8(text))
        return text;
    std::string utf8;
    utf8.reserve(text.size() + text.size() / 8);
    for (char c : text)
        AppendUtf8(utf8, static_cast<unsigned char>(c));
    return utf8;
}

bool NameIs(std::string_view tag, std::string_view localName)
{
    if (const std::size_t colon = tag.find(':'); colon != std::string_view::npos)
        tag.remove_prefix(colon + 1);
    return SameIgnoringAsciiCase(tag, localName);
}

// Appends the body text of document (UTF-8) to out until out holds limit
// bytes: tags become white space, script and style are passed over,
// references are resolved and runs of white space become one space.
void AppendBodyText(std::string_view document, std::string& out, std::size_t limit)
{
    auto space = [&] {
        if (!out.empty() && out.back() != ' ' && out.size() < limit)
            out += ' ';
    };
    bool inBody = false;
    std::string_view skipUntil;  // the element whose content is passed over
    for (std::size_t at = 0; at < document.size() && out.size() < limit;) {
        const char c = document[at];
        if (c == '<') {
            std::string_view end = document.compare(at, 4, "<!--") == 0      ? "-->"
                                   : document.compare(at, 9, "<![CDATA[") == 0 ? "]]>"
                                   : document.compare(at, 2, "<?") == 0        ? "?>"
                                                                               : ">";
            const std::size_t close = document.find(end, at + 1);
            if (close == std::string_view::npos)
                return;
            std::string_view tag = document.substr(at + 1, close - at - 1);
            at = close + end.size();
            if (end == "]]>") {
                if (inBody && skipUntil.empty())
                    AppendBodyText("<body>" + std::string(tag.substr(8)), out, limit);
                continue;
            }
            const bool endTag = tag.starts_with('/');
            const bool selfClosing = tag.ends_with('/');
            tag.remove_prefix(endTag ? 1 : 0);
            tag = tag.substr(0, std::min(tag.find_first_of(" \t\r\n/"), tag.size()));
            if (NameIs(tag, "body")) {
                if (endTag && inBody)
                    return;
                inBody = !endTag;
            } else if (!skipUntil.empty()) {
                if (endTag && NameIs(tag, skipUntil))
                    skipUntil = {};
            } else if (!endTag && !selfClosing && (NameIs(tag, "script") || NameIs(tag, "style"))) {
                skipUntil = NameIs(tag, "script") ? "script" : "style";
            }
            space();
            continue;
        }
        if (!inBody || !skipUntil.empty()) {
            ++at;
            continue;
        }
        if (IsXmlSpace(c)) {
            space();
            ++at;
        } else if (c == '&') {
            const std::size_t semicolon = document.find(';', at);
            const bool reference = semicolon != std::string_view::npos && semicolon - at <= 10;
            const std::optional<char32_t> code =
                reference ? Referenced(document.substr(at + 1, semicolon - at - 1)) : U'&';
            if (code == U' ' || code == U'\u00A0')
                space();
            else if (code && out.size() + 4 <= limit)
                AppendUtf8(out, *code);
            at = reference ? semicolon + 1 : at + 1;
        } else {
            const auto lead = static_cast<unsigned char>(c);
            const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            if (out.size() + length > limit)
                return;
            out.append(document.substr(at, length));
            at += length;
        }
    }
}

// The code of one answer of the guesser ("de--utf8", "zh-CN-utf8"): the
// language and a region where it names one.
std::string AnswerCode(std::string_view answer)
{
    if (answer.ends_with("-utf8"))
        answer.remove_suffix(5);
    const std::size_t dash = answer.find('-');
    const std::string_view language = answer.substr(0, dash);
    const std::string_view rest = dash == std::string_view::npos ? std::string_view() : answer.substr(dash + 1);
    const bool region =
        rest.size() == 2 && std::all_of(rest.begin(), rest.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    std::string code(language);
    if (region)
        code.append("-").append(rest);
    return code;
}

class Guesser {
public:
    Guesser() : handle_(special_textcat_Init(GuesserConfiguration, GuesserFolder))
    {
        if (handle_)
            textcat_SetProperty(handle_, TCPROP_MINIMUM_DOCUMENT_SIZE, static_cast<sint4>(LeastGuessTextBytes));
    }
    ~Guesser()
    {
        if (handle_)
            textcat_Done(handle_);
    }
    Guesser(const Guesser&) = delete;
    Guesser& operator=(const Guesser&) = delete;

    // The guesser's answer, "[de--utf8]" or "[de--utf8][nl--utf8]" or
    // "SHORT" or "UNKNOWN"; empty when it could not be set up. Its answer
    // lives in the handle: one call at a time.
    std::string Classify(std::string_view text)
    {
        if (!handle_)
            return {};
        const std::lock_guard<std::mutex> lock(mutex_);
        const char* answer = textcat_Classify(handle_, text.data(), text.size());
        return answer ? answer : "";
    }

private:
    void* handle_;
    std::mutex mutex_;
};

}  // namespace

void TextLanguageCollector::Add(const std::string& entryName, std::string_view document)
{
    if (!taken_.insert(entryName).second)
        return;
    // One value a document: the first of xml:lang and lang that is usable
    // (as its code), else the first there is (as written, never usable).
    const HtmlLanguageValues values = ReadHtmlLanguage(document);
    std::optional<std::string> stated;
    for (const std::optional<std::string>& value : {values.xmlLang, values.lang}) {
        if (!value)
            continue;
        if (const std::optional<std::string> code = LanguageCode(*value)) {
            stated = code;
            break;
        }
        if (!stated)
            stated = Unusable + *value;
    }
    if (stated)
        ++stated_[*stated];
    if (!WantsText())
        return;
    std::optional<EditableText> decoded = DecodeForEditing(std::string(document));
    if (decoded)
        AppendBodyText(AsUtf8(std::move(decoded->text)), text_, GuessTextBytes);
}

std::optional<std::string> TextLanguageCollector::Language() const
{
    const auto most = std::max_element(stated_.begin(), stated_.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    if (most != stated_.end() && !most->first.starts_with(Unusable) &&
        std::count_if(stated_.begin(), stated_.end(), [&](const auto& s) { return s.second == most->second; }) == 1)
        return most->first;
    return GuessLanguage(text_);
}

std::optional<std::string> GuessLanguage(std::string_view text)
{
    if (text.size() < LeastGuessTextBytes)
        return std::nullopt;
    static Guesser guesser;
    const std::string answer = guesser.Classify(text);
    // Exactly one bracketed answer.
    if (!answer.starts_with('[') || answer.find('[', 1) != std::string::npos || !answer.ends_with(']'))
        return std::nullopt;
    const std::string code = AnswerCode(std::string_view(answer).substr(1, answer.size() - 2));
    return IsUsableLanguage(code) ? std::optional(code) : std::nullopt;
}
