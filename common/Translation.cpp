#include "Translation.h"

#include <string_view>

namespace {

// Without a translator: the source text, with %n filled in.
std::string Untranslated(const char*, const char* sourceText, const char*, int n)
{
    std::string text = sourceText;
    if (n >= 0)
        for (auto at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + 1))
            text.replace(at, 2, std::to_string(n));
    return text;
}

Words::Translator g_translator = Untranslated;

}  // namespace

namespace Words {

std::string translate(const char* context, const char* sourceText, const char* disambiguation, int n)
{
    return g_translator(context, sourceText, disambiguation, n);
}

std::string Fill(std::string text, std::initializer_list<std::string> values)
{
    // One pass from the left, so that a value holding "%2" stays as it is.
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < values.size()) {
            out += *(values.begin() + (next - '1'));
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

void SetTranslator(Translator translator)
{
    g_translator = translator ? translator : Untranslated;
}

}  // namespace Words
