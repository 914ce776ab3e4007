#pragma once

#include <initializer_list>
#include <string>

// Marks a text for Qt's lupdate where it is written, to be translated
// where it is shown (with Words::translate and the same context).
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// Every text the program shows a user goes through Words::translate, so
// that it appears in the user's language. The front ends install Qt's
// translation at start; until then, and for a language without a
// translation, the English source text is the text. Qt's lupdate finds the
// texts by the name "translate", its arguments as Qt's own.
namespace Words {

// The text in the user's language. With n >= 0, "%n" in it stands for n,
// and the translation takes the plural form for n.
std::string translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1);

// text with %1, %2, ... replaced by values in that order, so that a
// translation can put them where its language wants them.
std::string Fill(std::string text, std::initializer_list<std::string> values);

// What Words::translate asks; the front ends set Qt's.
using Translator = std::string (*)(const char* context, const char* sourceText, const char* disambiguation, int n);
void SetTranslator(Translator translator);

}  // namespace Words
