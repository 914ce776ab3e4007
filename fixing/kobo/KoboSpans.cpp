// What a content document gains to become a Kobo book's: the spans around each sentence, the two divisions
// around the body and the style element Kobo's renderer reads, all as bytes added to the document's own.
#include "KoboSpans.h"

#include "TextEncoding.h"
#include "Utf8Text.h"

#include <QByteArray>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::string_view XhtmlNamespace = "http://www.w3.org/1999/xhtml";
constexpr std::string_view ColumnsOpen = "<div id=\"book-columns\"><div id=\"book-inner\">";
constexpr std::string_view ColumnsClose = "</div></div>";
constexpr std::string_view ColumnsId = "book-columns";
constexpr std::string_view StyleRule = "div#book-inner { margin-top: 0; margin-bottom: 0;}";
constexpr std::string_view SpanClass = "koboSpan";

bool IsXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool StartsWith(std::string_view text, std::size_t at, std::string_view prefix)
{
    return text.substr(at, prefix.size()) == prefix;
}

// Elements whose content is never wrapped: code, styles, preformatted
// text, pictures and formulas drawn by other rules, and media.
bool IsQuietElement(std::string_view local)
{
    static constexpr std::array<std::string_view, 7> quiet = {"script", "style", "pre",  "svg",
                                                              "math",   "audio", "video"};
    return std::find(quiet.begin(), quiet.end(), local) != quiet.end();
}

// Elements at whose start the paragraph number goes up.
bool StartsParagraph(std::string_view local)
{
    static constexpr std::array<std::string_view, 10> starts = {"p",  "ol", "ul", "table", "h1",
                                                                "h2", "h3", "h4", "h5",    "h6"};
    return std::find(starts.begin(), starts.end(), local) != starts.end();
}

// The closing marks that stay with the sentence they follow: quotes and
// the ellipsis, as characters and as the references that name them.
std::size_t ClosingMarkAt(std::string_view text, std::size_t at)
{
    const char c = text[at];
    if (c == '\'' || c == '"')
        return 1;
    // ” ’ “ …
    for (std::string_view mark : {"\xE2\x80\x9D", "\xE2\x80\x99", "\xE2\x80\x9C", "\xE2\x80\xA6"})
        if (StartsWith(text, at, mark))
            return mark.size();
    for (std::string_view reference : {"&quot;", "&apos;", "&rdquo;", "&rsquo;", "&ldquo;", "&hellip;", "&#8221;",
                                       "&#8217;", "&#8220;", "&#8230;", "&#x201D;", "&#x2019;", "&#x201C;",
                                       "&#x2026;", "&#x201d;", "&#x201c;"})
        if (StartsWith(text, at, reference))
            return reference.size();
    return 0;
}

bool IsSentenceEnd(char c)
{
    return c == '.' || c == '!' || c == '?';
}

// The end of the tag that begins at begin (after its '>'), quotes read;
// npos where it does not end.
std::size_t TagEnd(std::string_view d, std::size_t begin)
{
    char quote = 0;
    for (std::size_t i = begin + 1; i < d.size(); ++i) {
        const char c = d[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return std::string_view::npos;
}

// The end of a document type declaration (after its '>'), its internal
// subset and quotes read.
std::size_t DoctypeEnd(std::string_view d, std::size_t begin)
{
    char quote = 0;
    int depth = 0;
    for (std::size_t i = begin + 2; i < d.size(); ++i) {
        const char c = d[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[') {
            ++depth;
        } else if (c == ']') {
            --depth;
        } else if (c == '>' && depth <= 0) {
            return i + 1;
        }
    }
    return std::string_view::npos;
}

class Scanner {
public:
    Scanner(std::string_view document, KoboStyle style) : d_(document), style_(style)
    {
        wrapBody_ = document.find(ColumnsId) == std::string_view::npos;
        addStyle_ = document.find(StyleRule) == std::string_view::npos;
    }

    KoboDocument Run()
    {
        std::size_t i = 0;
        const std::size_t n = d_.size();
        const auto after = [&](std::string_view end, std::size_t from) {
            const std::size_t found = d_.find(end, from);
            return found == std::string_view::npos ? n : found + end.size();
        };
        while (i < n) {
            std::size_t lt = d_.find('<', i);
            if (lt == std::string_view::npos)
                lt = n;
            if (lt > i)
                Text(i, lt);
            if (lt == n)
                break;
            if (StartsWith(d_, lt, "<!--")) {
                i = after("-->", lt + 4);
            } else if (StartsWith(d_, lt, "<![CDATA[")) {
                i = after("]]>", lt + 9);
            } else if (StartsWith(d_, lt, "<?")) {
                i = after("?>", lt + 2);
            } else if (StartsWith(d_, lt, "<!")) {
                i = DoctypeEnd(d_, lt);
            } else if (StartsWith(d_, lt, "</")) {
                i = after(">", lt);
                EndTag(lt, i);
            } else {
                i = TagEnd(d_, lt);
                if (i == std::string_view::npos)
                    break;
                StartTag(lt, i);
            }
            if (i == std::string_view::npos)
                break;
        }
        return std::move(out_);
    }

private:
    struct Element {
        std::string local;
        bool ours = false;             // an XHTML element
        bool quiet = false;            // nothing in it is wrapped
        bool closesPicture = false;    // an img whose span closes after its end tag
        bool opensBody = false;        // the body the divisions go in
        std::size_t bindings = 0;      // namespace bindings it made
    };

    void Insert(std::size_t at, std::string bytes) { out_.insertions.push_back({at, std::move(bytes)}); }

    std::string SpanOpen()
    {
        ++sentence_;
        ++out_.spans;
        return "<span class=\"koboSpan\" id=\"kobo." + std::to_string(paragraph_) + "." + std::to_string(sentence_) +
               "\">";
    }

    bool Quiet() const { return !stack_.empty() && stack_.back().quiet; }

    std::string_view Namespace(std::string_view prefix) const
    {
        for (auto it = namespaces_.rbegin(); it != namespaces_.rend(); ++it)
            if (it->first == prefix)
                return it->second;
        return {};
    }

    void StartTag(std::size_t begin, std::size_t end)
    {
        const bool empty = d_[end - 2] == '/';
        std::size_t i = begin + 1;
        while (i < end && !IsXmlSpace(d_[i]) && d_[i] != '/' && d_[i] != '>')
            ++i;
        const std::string_view name = d_.substr(begin + 1, i - begin - 1);
        Element element;
        // The attributes, for the namespaces they declare.
        while (i < end) {
            while (i < end && (IsXmlSpace(d_[i]) || d_[i] == '/' || d_[i] == '>'))
                ++i;
            const std::size_t nameBegin = i;
            while (i < end && d_[i] != '=' && !IsXmlSpace(d_[i]) && d_[i] != '/' && d_[i] != '>')
                ++i;
            const std::string_view attribute = d_.substr(nameBegin, i - nameBegin);
            while (i < end && d_[i] != '"' && d_[i] != '\'' && d_[i] != '>')
                ++i;
            if (i >= end || d_[i] == '>')
                break;
            const char quote = d_[i];
            const std::size_t valueBegin = ++i;
            while (i < end && d_[i] != quote)
                ++i;
            const std::string_view value = d_.substr(valueBegin, i - valueBegin);
            ++i;
            if (attribute == "xmlns" || attribute.substr(0, 6) == "xmlns:") {
                namespaces_.emplace_back(std::string(attribute.size() > 6 ? attribute.substr(6) : ""), value);
                ++element.bindings;
            }
        }
        const std::size_t colon = name.find(':');
        const std::string_view prefix = colon == std::string_view::npos ? std::string_view() : name.substr(0, colon);
        element.local = std::string(colon == std::string_view::npos ? name : name.substr(colon + 1));
        const std::string_view uri = Namespace(prefix);
        element.ours = uri == XhtmlNamespace || (uri.empty() && prefix.empty());
        const bool quietAround = Quiet();
        element.quiet = quietAround || !element.ours || IsQuietElement(element.local);

        if (inBody_ && !quietAround && element.ours) {
            if (StartsParagraph(element.local)) {
                ++paragraph_;
                sentence_ = 0;
            } else if (element.local == "img") {
                ++paragraph_;
                sentence_ = 0;
                Insert(begin, SpanOpen());
                if (empty)
                    Insert(end, "</span>");
                else
                    element.closesPicture = true;
            }
        }
        if (element.ours && element.local == "body" && !quietAround && !empty && !inBody_) {
            inBody_ = true;
            element.opensBody = true;
            if (wrapBody_)
                Insert(end, std::string(ColumnsOpen));
        }
        if (empty)
            namespaces_.resize(namespaces_.size() - element.bindings);
        else
            stack_.push_back(std::move(element));
    }

    void EndTag(std::size_t begin, std::size_t end)
    {
        if (stack_.empty())
            return;
        Element element = std::move(stack_.back());
        stack_.pop_back();
        namespaces_.resize(namespaces_.size() - element.bindings);
        if (Quiet() || !element.ours)
            return;
        if (element.local == "head" && addStyle_) {
            addStyle_ = false;
            Insert(begin, style_ == KoboStyle::WithClass
                              ? "<style type=\"text/css\" class=\"kobostylehacks\">" + std::string(StyleRule) +
                                    "</style>"
                              : "<style type=\"text/css\">" + std::string(StyleRule) + "</style>");
        } else if (element.opensBody) {
            inBody_ = false;
            if (wrapBody_)
                Insert(begin, std::string(ColumnsClose));
        } else if (element.closesPicture) {
            Insert(end, "</span>");
        }
    }

    // A text between two pieces of markup: each sentence in a span of its
    // own, its leading white space outside.
    void Text(std::size_t begin, std::size_t end)
    {
        if (!inBody_ || Quiet())
            return;
        std::size_t i = begin;
        while (i < end) {
            while (i < end && IsXmlSpace(d_[i]))
                ++i;
            if (i == end)
                return;
            const std::size_t sentence = i;
            bool ended = false;
            while (i < end && !ended) {
                const char c = d_[i];
                if (IsSentenceEnd(c)) {
                    ++i;
                    while (i < end) {
                        if (IsSentenceEnd(d_[i])) {
                            ++i;
                        } else if (const std::size_t mark = ClosingMarkAt(d_.substr(0, end), i)) {
                            i += mark;
                        } else {
                            break;
                        }
                    }
                    while (i < end && IsXmlSpace(d_[i]))
                        ++i;
                    ended = true;
                } else if (c == '&') {
                    // A reference is one character: never cut inside it.
                    const std::size_t semicolon = d_.find(';', i);
                    i = semicolon == std::string_view::npos || semicolon >= end ? end : semicolon + 1;
                } else {
                    ++i;
                }
            }
            Insert(sentence, SpanOpen());
            Insert(i, "</span>");
        }
    }

    std::string_view d_;
    KoboStyle style_;
    KoboDocument out_;
    std::vector<Element> stack_;
    std::vector<std::pair<std::string, std::string_view>> namespaces_;  // prefix (empty: the default), name
    bool wrapBody_ = true;
    bool addStyle_ = true;
    bool inBody_ = false;
    std::size_t paragraph_ = 0;
    std::size_t sentence_ = 0;
};

// Why the document does not read as XML; empty where it does.
std::string XmlError(std::string_view document)
{
    QXmlStreamReader xml(QByteArray(document.data(), static_cast<qsizetype>(document.size())));
    while (!xml.atEnd())
        xml.readNext();
    if (!xml.hasError())
        return {};
    return "line " + std::to_string(xml.lineNumber()) + ": " + xml.errorString().toStdString();
}

// Whether the document's type declaration has an internal subset, which
// may declare entities.
bool HasInternalSubset(std::string_view text)
{
    const std::size_t doctype = text.find("<!DOCTYPE");
    if (doctype == std::string_view::npos)
        return false;
    const std::size_t end = DoctypeEnd(text, doctype);
    return text.substr(doctype, end == std::string_view::npos ? std::string_view::npos : end - doctype).find('[') !=
           std::string_view::npos;
}

bool HasUtf16Mark(std::string_view document)
{
    return StartsWith(document, 0, "\xFF\xFE") || StartsWith(document, 0, "\xFE\xFF");
}

}  // namespace

KoboDocument KoboInsertions(std::string_view document, KoboStyle style)
{
    return Scanner(document, style).Run();
}

std::string WithInsertions(std::string_view document, const std::vector<KoboInsertion>& insertions)
{
    std::string out;
    std::size_t added = 0;
    for (const KoboInsertion& insertion : insertions)
        added += insertion.bytes.size();
    out.reserve(document.size() + added);
    std::size_t done = 0;
    for (const KoboInsertion& insertion : insertions) {
        const std::size_t at = std::min(insertion.at, document.size());
        if (at > done) {
            out.append(document.substr(done, at - done));
            done = at;
        }
        out += insertion.bytes;
    }
    out.append(document.substr(done));
    return out;
}

bool HoldsKoboSpans(std::string_view document)
{
    if (HasUtf16Mark(document)) {
        const std::optional<EditableText> text = DecodeForEditing(std::string(document));
        return text && text->text.find(SpanClass) != std::string::npos;
    }
    return document.find(SpanClass) != std::string_view::npos;
}

std::optional<std::string> KoboEdited(std::string_view document, KoboStyle style, KoboDocument& found)
{
    found = {};
    std::optional<EditableText> utf16;
    std::string_view text = document;
    if (HasUtf16Mark(document)) {
        utf16 = DecodeForEditing(std::string(document));
        if (!utf16) {
            found.problem = KoboDocument::Problem::NotUtf;
            return std::nullopt;
        }
        text = utf16->text;
    }
    if (!IsUtf8(text)) {
        found.problem = KoboDocument::Problem::NotUtf;
        return std::nullopt;
    }
    if (std::string error = XmlError(document); !error.empty()) {
        found.problem = KoboDocument::Problem::NotXml;
        found.xmlError = std::move(error);
        return std::nullopt;
    }
    found = KoboInsertions(text, style);
    if (found.insertions.empty())
        return std::nullopt;
    std::string edited = WithInsertions(text, found.insertions);
    if (utf16)
        edited = EncodeEdited(edited, utf16->encoding);
    // Whole elements put between the markup of a document that reads as
    // XML leave it reading so. Only a document type of its own may declare
    // entities that hold markup this reading does not see: there the
    // edited document is read again, and left as it was where it does not
    // read.
    if (HasInternalSubset(text))
        if (std::string error = XmlError(edited); !error.empty()) {
            found = {};
            found.problem = KoboDocument::Problem::NotXml;
            found.xmlError = std::move(error);
            return std::nullopt;
        }
    return edited;
}
