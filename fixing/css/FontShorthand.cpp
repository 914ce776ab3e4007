// Reads the font shorthand's value into the longhands it sets.
#include "FontShorthand.h"

#include "CssText.h"

#include <charconv>
#include <initializer_list>
#include <utility>

namespace {

using namespace CssText;

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names)
{
    for (const std::string_view n : names)
        if (name == n)
            return true;
    return false;
}

bool IsLengthUnit(std::string_view unit)
{
    return IsOneOf(unit, {"px", "pt", "pc", "cm", "mm", "in", "q", "em", "rem", "ex", "rex", "cap", "rcap", "ch",
                          "rch", "ic", "ric", "lh", "rlh", "vw", "vh", "vi", "vb", "vmin", "vmax", "svw", "svh", "svi",
                          "svb", "svmin", "svmax", "lvw", "lvh", "lvi", "lvb", "lvmin", "lvmax", "dvw", "dvh", "dvi",
                          "dvb", "dvmin", "dvmax", "cqw", "cqh", "cqi", "cqb", "cqmin", "cqmax"});
}

bool IsMathFunction(std::string_view name)
{
    return IsOneOf(name, {"calc", "min", "max", "clamp"});
}

struct Token {
    enum class Kind { Ident, Function, Number, Percentage, Dimension, String, Delim, End, Bad };
    Kind kind = Kind::End;
    std::size_t begin = 0, end = 0;  // in the value
    LowerName name;                  // of an ident or a function; a dimension's unit
    double number = 0;               // of a number
    char delim = 0;
};

// The value's tokens, one after another; comments count as blanks.
class Tokens {
public:
    explicit Tokens(std::string_view value) : value_(value) {}

    Token Next()
    {
        Token t;
        at_ = SkipBlanks(value_, at_);
        t.begin = at_;
        if (at_ >= value_.size()) {
            t.end = at_;
            return t;
        }
        const char c = value_[at_];
        if (c == '"' || c == '\'') {
            t.kind = Token::Kind::String;
            at_ = *SkipOpaque(value_, at_);
        } else if (const std::optional<std::size_t> number = NumberEnd(value_, at_)) {
            std::from_chars(value_.data() + at_, value_.data() + *number, t.number);
            at_ = *number;
            if (at_ < value_.size() && value_[at_] == '%') {
                t.kind = Token::Kind::Percentage;
                ++at_;
            } else if (at_ < value_.size() && NameStartsAt(value_, at_)) {
                t.kind = Token::Kind::Dimension;
                at_ = t.name.Read(value_, at_);
            } else {
                t.kind = Token::Kind::Number;
            }
        } else if (NameStartsAt(value_, at_)) {
            at_ = t.name.Read(value_, at_);
            t.kind = Token::Kind::Ident;
            if (at_ < value_.size() && value_[at_] == '(') {
                t.kind = IsMathFunction(t.name.View()) && SkipMath() ? Token::Kind::Function : Token::Kind::Bad;
            }
        } else if (c == '/' || c == ',' || c == '!') {
            t.kind = Token::Kind::Delim;
            t.delim = c;
            ++at_;
        } else {
            t.kind = Token::Kind::Bad;
        }
        t.end = at_;
        return t;
    }

    // Where the next token starts; Rewind(Position()) reads it again.
    std::size_t Position() const { return at_; }
    void Rewind(std::size_t at) { at_ = at; }

private:
    // Past the brackets of a math function whose "(" is at at_; false when
    // they hold another function (var(), env(), ...) or do not close.
    bool SkipMath()
    {
        int depth = 0;
        while (at_ < value_.size()) {
            if (const std::optional<std::size_t> past = SkipOpaque(value_, at_)) {
                at_ = *past;
                continue;
            }
            const char c = value_[at_];
            if (c == '(') {
                ++depth;
            } else if (c == ')') {
                if (--depth == 0) {
                    ++at_;
                    return true;
                }
            } else if (NameStartsAt(value_, at_)) {
                LowerName inner;
                at_ = inner.Read(value_, at_);
                if (at_ < value_.size() && value_[at_] == '(' && !IsMathFunction(inner.View()))
                    return false;
                continue;
            }
            ++at_;
        }
        return false;
    }

    std::string_view value_;
    std::size_t at_ = 0;
};

// A length or percentage: a size or a line height.
bool IsSize(const Token& t)
{
    return t.kind == Token::Kind::Percentage || t.kind == Token::Kind::Function ||
           (t.kind == Token::Kind::Dimension && IsLengthUnit(t.name.View()));
}

// What the shorthand's size may be.
bool IsSizeWord(const Token& t)
{
    return IsSize(t) || (t.kind == Token::Kind::Number && t.number == 0) ||
           (t.kind == Token::Kind::Ident && IsOneOf(t.name.View(), {"xx-small", "x-small", "small", "medium", "large",
                                                                     "x-large", "xx-large", "xxx-large", "larger",
                                                                     "smaller", "math"}));
}

}  // namespace

std::optional<FontShorthand> ReadFontShorthand(std::string_view value)
{
    FontShorthand font;
    const auto add = [&](std::string_view longhand, std::size_t begin, std::size_t end) {
        font.parts[font.count++] = {longhand, value.substr(begin, end - begin)};
    };
    Tokens tokens(value);
    Token t = tokens.Next();

    // Style, variant, weight and stretch, each at most once and four at
    // most, until the size. "normal" may stand for any of them: it sets the
    // first that no other word sets, as all four are normal unless set.
    bool style = false, variant = false, weight = false, stretch = false;
    std::size_t normals[4]{}, normalCount = 0;
    for (std::size_t words = 0;; t = tokens.Next(), ++words) {
        const std::string_view name = t.name.View();
        if (words == 4 && !IsSizeWord(t))
            return std::nullopt;
        if (t.kind == Token::Kind::Ident && name == "normal") {
            normals[normalCount++] = font.count;
            add("", t.begin, t.end);
        } else if (t.kind == Token::Kind::Ident && (name == "italic" || name == "oblique")) {
            if (std::exchange(style, true))
                return std::nullopt;
            std::size_t end = t.end;
            const std::size_t next = tokens.Position();
            const Token angle = tokens.Next();
            if (name == "oblique" && angle.kind == Token::Kind::Dimension &&
                IsOneOf(angle.name.View(), {"deg", "grad", "rad", "turn"}))
                end = angle.end;
            else
                tokens.Rewind(next);
            add("font-style", t.begin, end);
        } else if (t.kind == Token::Kind::Ident && name == "small-caps") {
            if (std::exchange(variant, true))
                return std::nullopt;
            add("font-variant", t.begin, t.end);
        } else if ((t.kind == Token::Kind::Ident && IsOneOf(name, {"bold", "bolder", "lighter"})) ||
                   (t.kind == Token::Kind::Number && t.number >= 1 && t.number <= 1000)) {
            if (std::exchange(weight, true))
                return std::nullopt;
            add("font-weight", t.begin, t.end);
        } else if (t.kind == Token::Kind::Ident &&
                   IsOneOf(name, {"ultra-condensed", "extra-condensed", "condensed", "semi-condensed",
                                  "semi-expanded", "expanded", "extra-expanded", "ultra-expanded"})) {
            if (std::exchange(stretch, true))
                return std::nullopt;
            add("font-stretch", t.begin, t.end);
        } else if (IsSizeWord(t)) {
            add("font-size", t.begin, t.end);
            break;
        } else {
            return std::nullopt;  // a system font, a CSS-wide keyword, var(), or what CSS does not read either
        }
    }
    for (std::size_t n = 0; n < normalCount; ++n) {
        bool* const slots[] = {&style, &variant, &weight, &stretch};
        constexpr std::string_view longhands[] = {"font-style", "font-variant", "font-weight", "font-stretch"};
        std::size_t slot = 0;
        while (*slots[slot])
            ++slot;  // four words at most: one is free
        *slots[slot] = true;
        font.parts[normals[n]].longhand = longhands[slot];
    }

    t = tokens.Next();
    if (t.kind == Token::Kind::Delim && t.delim == '/') {
        t = tokens.Next();
        if (!IsSize(t) && t.kind != Token::Kind::Number && !(t.kind == Token::Kind::Ident && t.name.View() == "normal"))
            return std::nullopt;
        add("line-height", t.begin, t.end);
        t = tokens.Next();
    }

    // The families: strings or names of one or more words, between commas.
    const std::size_t familyBegin = t.begin;
    std::size_t familyEnd = t.begin;
    for (;;) {
        if (t.kind == Token::Kind::String) {
            familyEnd = t.end;
            t = tokens.Next();
        } else if (t.kind == Token::Kind::Ident) {
            for (; t.kind == Token::Kind::Ident; t = tokens.Next()) {
                if (IsOneOf(t.name.View(), {"inherit", "initial", "unset", "revert", "revert-layer", "default"}))
                    return std::nullopt;
                familyEnd = t.end;
            }
        } else {
            return std::nullopt;
        }
        if (t.kind != Token::Kind::Delim || t.delim != ',')
            break;
        t = tokens.Next();
    }
    add("font-family", familyBegin, familyEnd);

    if (t.kind == Token::Kind::Delim && t.delim == '!') {
        t = tokens.Next();
        if (t.kind != Token::Kind::Ident || t.name.View() != "important")
            return std::nullopt;
        font.important = true;
        t = tokens.Next();
    }
    if (t.kind != Token::Kind::End)
        return std::nullopt;
    return font;
}
