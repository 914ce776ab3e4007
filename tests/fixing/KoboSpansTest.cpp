// The spans, divisions and style a content document gains for Kobo's renderer, on documents built for each
// rule; every edited document is checked to be its old self once what was added is taken out again.
#include "KoboSpans.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QXmlStreamReader>

namespace {

std::string Page(const std::string& body, const std::string& head = "<title>T</title>")
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" "
           "xmlns:epub=\"http://www.idpf.org/2007/ops\"><head>" +
           head + "</head><body>" + body + "</body></html>\n";
}

bool WellFormed(const std::string& document)
{
    QXmlStreamReader xml(QByteArray::fromStdString(document));
    while (!xml.atEnd())
        xml.readNext();
    return !xml.hasError();
}

// The body as edited, between the divisions; the edit undone checked on
// the way: the insertions taken out of the edited bytes leave the page.
std::string Body(const std::string& body, KoboStyle style = KoboStyle::WithClass)
{
    const std::string page = Page(body);
    const KoboDocument found = KoboInsertions(page, style);
    const std::string edited = WithInsertions(page, found.insertions);
    std::string undone;
    std::size_t at = 0, own = 0;
    for (const KoboInsertion& insertion : found.insertions) {
        const std::size_t ownBytes = insertion.at - own;
        undone += edited.substr(at, ownBytes);
        at += ownBytes;
        own = insertion.at;
        EXPECT_EQ(edited.substr(at, insertion.bytes.size()), insertion.bytes);
        at += insertion.bytes.size();
    }
    undone += edited.substr(at);
    EXPECT_EQ(undone, page) << "only bytes added";
    EXPECT_TRUE(WellFormed(edited)) << edited;
    const std::string open = "<body><div id=\"book-columns\"><div id=\"book-inner\">";
    const std::size_t begin = edited.find(open);
    const std::size_t end = edited.rfind("</div></div></body>");
    if (begin == std::string::npos || end == std::string::npos)
        return "(not wrapped) " + edited;
    return edited.substr(begin + open.size(), end - begin - open.size());
}

std::string Span(const std::string& id, const std::string& text)
{
    return "<span class=\"koboSpan\" id=\"kobo." + id + "\">" + text + "</span>";
}

}  // namespace

TEST(KoboSpans, CutsSentencesAfterTheirMarksQuotesAndWhiteSpace)
{
    EXPECT_EQ(Body("<p>  One. Two!  \u201CThree?\u201D Four\u2026 five...\n\"Six.\" </p>"),
              "<p>  " + Span("1.1", "One. ") + Span("1.2", "Two!  ") + Span("1.3", "\u201CThree?\u201D ") +
                  Span("1.4", "Four\u2026 five...\n") + Span("1.5", "\"Six.\" ") + "</p>");
    // No rule for abbreviations; a reference is one character.
    EXPECT_EQ(Body("<p>Mr. Smith &amp; co.&#8221; Yes</p>"),
              "<p>" + Span("1.1", "Mr. ") + Span("1.2", "Smith &amp; co.&#8221; ") + Span("1.3", "Yes") + "</p>");
    EXPECT_EQ(Body("<h1>A</h1><p>B. C</p><ul><li>D</li></ul>text"),
              "<h1>" + Span("1.1", "A") + "</h1><p>" + Span("2.1", "B. ") + Span("2.2", "C") + "</p><ul><li>" +
                  Span("3.1", "D") + "</li></ul>" + Span("3.2", "text"));
}

TEST(KoboSpans, NeverCrossesAnElementAndWrapsEachPicture)
{
    EXPECT_EQ(Body("<p>It <em>was. So</em> it is.</p>"),
              "<p>" + Span("1.1", "It ") + "<em>" + Span("1.2", "was. ") + Span("1.3", "So") + "</em> " +
                  Span("1.4", "it is.") + "</p>");
    EXPECT_EQ(Body("<p>See <img src=\"a.png\" alt=\"a\"/> here.</p><img src=\"b.png\"></img>"),
              "<p>" + Span("1.1", "See ") + Span("2.1", "<img src=\"a.png\" alt=\"a\"/>") + " " +
                  Span("2.2", "here.") + "</p>" + Span("3.1", "<img src=\"b.png\"></img>"));
    EXPECT_EQ(Body("<div>\n  <p> </p>\n</div>"), "<div>\n  <p> </p>\n</div>") << "white space alone stays";
}

TEST(KoboSpans, LeavesCodeFormulasPicturesAndOtherNamespacesUnwrapped)
{
    const std::string quiet = "<pre>a. b.</pre><script>x = 1;</script>"
                              "<svg xmlns=\"http://www.w3.org/2000/svg\"><text>S. T.</text></svg>"
                              "<math xmlns=\"http://www.w3.org/1998/Math/MathML\"><mi>x</mi></math>"
                              "<epub:switch><epub:case required-namespace=\"m\"><b>c</b></epub:case></epub:switch>"
                              "<video src=\"v.mp4\">No video.</video>";
    EXPECT_EQ(Body(quiet), quiet);
    EXPECT_EQ(Body("<p>x <m:math xmlns:m=\"http://www.w3.org/1998/Math/MathML\"><m:mi>y</m:mi></m:math> z</p>"),
              "<p>" + Span("1.1", "x ") +
                  "<m:math xmlns:m=\"http://www.w3.org/1998/Math/MathML\"><m:mi>y</m:mi></m:math> " +
                  Span("1.2", "z") + "</p>");
}

TEST(KoboSpans, TheStyleFollowsThePackagesVersionAndNothingIsAddedTwice)
{
    const std::string page = Page("<p>A.</p>");
    const std::string three = WithInsertions(page, KoboInsertions(page, KoboStyle::WithClass).insertions);
    EXPECT_NE(three.find("<style type=\"text/css\" class=\"kobostylehacks\">div#book-inner { margin-top: 0; "
                         "margin-bottom: 0;}</style></head>"),
              std::string::npos);
    const std::string two = WithInsertions(page, KoboInsertions(page, KoboStyle::WithoutClass).insertions);
    EXPECT_NE(two.find("<style type=\"text/css\">div#book-inner { margin-top: 0; margin-bottom: 0;}</style></head>"),
              std::string::npos);
    EXPECT_TRUE(HoldsKoboSpans(three));
    EXPECT_FALSE(HoldsKoboSpans(page));

    // A document without text, edited once, is left as it is the second time.
    const std::string empty = Page("<div> </div>");
    const std::string once = WithInsertions(empty, KoboInsertions(empty, KoboStyle::WithoutClass).insertions);
    EXPECT_NE(once, empty);
    EXPECT_TRUE(KoboInsertions(once, KoboStyle::WithoutClass).insertions.empty());

    // A body that holds the divisions already keeps them as they are.
    const std::string wrapped = Page("<div id=\"book-columns\"><div id=\"book-inner\"><p>A</p></div></div>");
    const std::string spans = WithInsertions(wrapped, KoboInsertions(wrapped, KoboStyle::WithClass).insertions);
    EXPECT_NE(spans.find("<p><span class=\"koboSpan\" id=\"kobo.1.1\">A</span></p>"), std::string::npos);
    EXPECT_EQ(spans.find("book-columns"), spans.rfind("book-columns"));
}

TEST(KoboSpans, RefusesWhatItCannotEditSafelyAndKeepsUtf16)
{
    KoboDocument found;
    EXPECT_FALSE(KoboEdited("<html><body><p>broken</body></html>", KoboStyle::WithClass, found));
    EXPECT_EQ(found.problem, KoboDocument::Problem::NotXml);
    EXPECT_FALSE(KoboEdited("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?><html><body>Caf\xE9</body></html>",
                            KoboStyle::WithClass, found));
    EXPECT_EQ(found.problem, KoboDocument::Problem::NotUtf);

    std::string page = Page("<p>\u00C9t\u00E9. Fin</p>");
    page.replace(page.find("utf-8"), 5, "utf-16");
    std::string utf16 = "\xFF\xFE";
    for (const QChar c : QString::fromStdString(page))
        utf16 += {static_cast<char>(c.unicode() & 0xFF), static_cast<char>(c.unicode() >> 8)};
    const std::optional<std::string> edited = KoboEdited(utf16, KoboStyle::WithClass, found);
    ASSERT_TRUE(edited);
    EXPECT_EQ(found.problem, KoboDocument::Problem::None);
    EXPECT_EQ(found.spans, 2u);
    const std::string expected = WithInsertions(page, found.insertions);
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(edited->data() + 2), (edited->size() - 2) / 2)
                  .toStdString(),
              expected)
        << "written back in UTF-16, with its mark";
}
