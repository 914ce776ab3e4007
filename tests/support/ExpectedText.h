#pragma once

#include <string>

// The texts the fix appends or inserts, written out by hand so that the
// tests do not build them with the code under test. prefix is the path
// from the edited file up to the book's top folder.
inline std::string FaceRules(const std::string& prefix)
{
    auto rule = [&](const char* style, const char* weight, const char* file) {
        return std::string("@font-face {\r\nfont-style: ") + style +
               ";\r\nfont-family: 'Liberation', serif, sans-serif;\r\nfont-weight: " + weight + ";\r\nsrc: url(" +
               prefix + file + ");\r\n}\r\n";
    };
    return rule("italic", "normal", "LiberationSerif-Italic.ttf") +
           rule("normal", "normal", "LiberationSerif-Regular.ttf") +
           rule("italic", "bold", "LiberationSerif-BoldItalic.ttf") +
           rule("normal", "bold", "LiberationSerif-Bold.ttf");
}

inline const std::string BodyRule = "body { font-family: 'Liberation', serif, sans-serif; }\r\n";
inline const std::string ParagraphRule = "p { text-align: justify; }\r\n";

inline std::string ManifestItems(const std::string& prefix)
{
    auto item = [&](const char* file, const char* id) {
        return "<item href=\"" + prefix + file + "\" media-type=\"application/octet-stream\" id=\"" + id +
               "\"/>\r\n";
    };
    return item("LiberationSerif-Regular.ttf", "liber1") + item("LiberationSerif-Italic.ttf", "liber2") +
           item("LiberationSerif-BoldItalic.ttf", "liber3") + item("LiberationSerif-Bold.ttf", "liber4");
}
