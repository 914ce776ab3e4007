// What a language value stands for, as a code reading systems take.
#include "LanguageTag.h"

#include "AsciiText.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QString>

#include <map>
#include <vector>

namespace {

bool All(std::string_view s, bool (*test)(char))
{
    for (char c : s)
        if (!test(c))
            return false;
    return true;
}

std::vector<std::string_view> Subtags(std::string_view tag)
{
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    for (std::size_t at = 0; at <= tag.size(); ++at)
        if (at == tag.size() || tag[at] == '-' || tag[at] == '_') {
            parts.push_back(tag.substr(from, at - from));
            from = at + 1;
        }
    return parts;
}

// The language Qt knows by this code; AnyLanguage for none.
QLocale::Language KnownLanguage(std::string_view code)
{
    const QLocale::Language language = QLocale::codeToLanguage(QString::fromLatin1(code.data(), code.size()));
    return language == QLocale::C ? QLocale::AnyLanguage : language;
}

// The code a language is written with: the two-letter one where there is
// one, else the one Qt gives first.
std::string CodeOf(QLocale::Language language)
{
    QString code = QLocale::languageToCode(language, QLocale::ISO639Part1);
    if (code.isEmpty())
        code = QLocale::languageToCode(language);
    return code.toStdString();
}

constexpr char Iso639Folder[] = "/usr/share/iso-codes/json";

// The registered codes, read once, on first use.
const std::map<std::string, std::string>& RegisteredCodes()
{
    static const std::map<std::string, std::string> codes = ReadIso639Codes(Iso639Folder);
    return codes;
}

// A tag's primary language subtag as it is written, or nullopt where it
// is no registered code. "und" is one, but says the language is yet to be
// found. Qt is asked first, as it always was; the tables know what it
// does not ("mul", "zxx", "tlh", languages without a locale).
std::optional<std::string> WrittenLanguage(std::string_view subtag)
{
    if (subtag.size() < 2 || subtag.size() > 3 || !All(subtag, IsAsciiLetter))
        return std::nullopt;
    std::string lower = AsciiLowered(subtag);
    if (lower == "und")
        return std::nullopt;
    if (const QLocale::Language language = KnownLanguage(subtag); language != QLocale::AnyLanguage)
        return subtag.size() == 3 ? CodeOf(language) : lower;
    if (const auto code = RegisteredCodes().find(lower); code != RegisteredCodes().end())
        return code->second;
    return std::nullopt;
}

// The tags BCP 47 keeps from before its grammar, as its registry writes
// them; some (the first group) do not follow the grammar at all.
constexpr std::string_view GrandfatheredTags[] = {
    "en-GB-oed", "i-ami", "i-bnn", "i-default", "i-enochian", "i-hak", "i-klingon", "i-lux", "i-mingo",
    "i-navajo", "i-pwn", "i-tao", "i-tay", "i-tsu", "sgn-BE-FR", "sgn-BE-NL", "sgn-CH-DE",
    // and those that do
    "art-lojban", "cel-gaulish", "no-bok", "no-nyn", "zh-guoyu", "zh-hakka", "zh-min", "zh-min-nan", "zh-xiang",
};

// value as a grandfathered tag, in any case and with '-' or '_' between
// its subtags; nullopt where it is none.
std::optional<std::string> AsGrandfathered(std::string_view value)
{
    for (const std::string_view tag : GrandfatheredTags)
        if (value.size() == tag.size() &&
            std::equal(tag.begin(), tag.end(), value.begin(), [](char t, char v) {
                return AsciiLower(t) == (v == '_' ? '-' : AsciiLower(v));
            }))
            return std::string(tag);
    return std::nullopt;
}

// value, taken as a language tag with '-' or '_' between its subtags and
// in any case, written as a usable tag; nullopt when it is no well-formed
// tag or its language is no registered code. Grammar: language (2-3 letters,
// then up to three 3-letter extensions) [script: 4 letters] [region: 2
// letters or 3 digits] *variant (5-8 letters and digits, or a digit and 3
// more) *extension (a singleton but x, then subtags of 2-8) [private use:
// x, then subtags of 1-8].
std::optional<std::string> AsTag(std::string_view value)
{
    const std::vector<std::string_view> parts = Subtags(value);
    std::size_t i = 0;
    std::optional<std::string> language = WrittenLanguage(parts[i]);
    if (!language)
        return std::nullopt;
    std::string tag = std::move(*language);
    ++i;
    auto next = [&](std::size_t low, std::size_t high, bool (*test)(char)) {
        return i < parts.size() && parts[i].size() >= low && parts[i].size() <= high && All(parts[i], test);
    };
    auto add = [&](std::string subtag) {
        tag += '-';
        tag += subtag;
        ++i;
    };
    for (int extlang = 0; extlang < 3 && next(3, 3, IsAsciiLetter); ++extlang)
        add(AsciiLowered(parts[i]));
    if (next(4, 4, IsAsciiLetter))
        add(AsciiUppered(parts[i].substr(0, 1)) + AsciiLowered(parts[i].substr(1)));
    if (next(2, 2, IsAsciiLetter) || next(3, 3, IsAsciiDigit))
        add(AsciiUppered(parts[i]));
    while (next(5, 8, IsAsciiAlnum) || (next(4, 4, IsAsciiAlnum) && IsAsciiDigit(parts[i][0])))
        add(AsciiLowered(parts[i]));
    while (next(1, 1, IsAsciiAlnum) && AsciiLowered(parts[i]) != "x") {
        add(AsciiLowered(parts[i]));
        if (!next(2, 8, IsAsciiAlnum))
            return std::nullopt;
        while (next(2, 8, IsAsciiAlnum))
            add(AsciiLowered(parts[i]));
    }
    if (next(1, 1, IsAsciiAlnum)) {
        add("x");
        if (!next(1, 8, IsAsciiAlnum))
            return std::nullopt;
        while (next(1, 8, IsAsciiAlnum))
            add(AsciiLowered(parts[i]));
    }
    if (i != parts.size())
        return std::nullopt;
    return tag;
}

// Every language Qt knows by its English name and by its own name, folded
// to one case, with its code. English names come first where a name is
// both. The names of the iso-codes tables are not taken: they are in
// English alone, and among their thousands are words a value may well be
// ("Even", "Are", "Label", "Con" are languages there); a name mistaken for
// a language gives a code the reading system believes, where a name not
// found only lets the text tell.
const std::map<QString, std::string>& LanguageNames()
{
    static const std::map<QString, std::string> names = [] {
        std::map<QString, std::string> table;
        std::vector<std::pair<QString, std::string>> native;
        for (int l = QLocale::AnyLanguage + 1; l <= QLocale::LastLanguage; ++l) {
            const auto language = static_cast<QLocale::Language>(l);
            if (language == QLocale::C)
                continue;
            const std::string code = CodeOf(language);
            if (code.empty())
                continue;
            table.emplace(QLocale::languageToString(language).toCaseFolded(), code);
            const QLocale locale(language);
            if (locale.language() == language && !locale.nativeLanguageName().isEmpty())
                native.emplace_back(locale.nativeLanguageName().toCaseFolded(), code);
        }
        for (auto& [name, code] : native)
            table.emplace(std::move(name), std::move(code));
        return table;
    }();
    return names;
}

}  // namespace

std::map<std::string, std::string> ReadIso639Codes(const std::string& folder)
{
    std::map<std::string, std::string> codes;
    const auto isCode = [](const QString& code) {
        return (code.size() == 2 || code.size() == 3) &&
               std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'a' && c <= u'z'; });
    };
    for (const char* table : {"iso_639-3.json", "iso_639-2.json"}) {
        QFile file(QString::fromStdString(folder) + u'/' + QLatin1String(table));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        // {"639-3": [{"alpha_3": "deu", "alpha_2": "de", "bibliographic": "ger", ...}, ...]}
        const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        for (const QJsonValue list : root)
            for (const QJsonValue entry : list.toArray()) {
                const QJsonObject language = entry.toObject();
                const QString terminology = language.value(u"alpha_3").toString();
                const QString twoLetter = language.value(u"alpha_2").toString();
                if (!isCode(terminology))
                    continue;  // "qaa-qtz", a range for private use
                const std::string written = (isCode(twoLetter) ? twoLetter : terminology).toStdString();
                codes.emplace(terminology.toStdString(), written);
                if (isCode(twoLetter))
                    codes.emplace(twoLetter.toStdString(), written);
                if (const QString bibliographic = language.value(u"bibliographic").toString(); isCode(bibliographic))
                    codes.emplace(bibliographic.toStdString(), written);
            }
    }
    return codes;
}

std::optional<std::string> LanguageCode(std::string_view value)
{
    value = XmlTrimmed(value);
    if (value.empty())
        return std::nullopt;
    if (std::optional<std::string> tag = AsGrandfathered(value))
        return tag;
    if (std::optional<std::string> tag = AsTag(value))
        return tag;
    const auto name = LanguageNames().find(QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()))
                                               .simplified()
                                               .toCaseFolded());
    if (name == LanguageNames().end())
        return std::nullopt;
    return name->second;
}

bool IsUsableLanguage(std::string_view value)
{
    const std::optional<std::string> code = LanguageCode(value);
    return code && *code == value;
}
