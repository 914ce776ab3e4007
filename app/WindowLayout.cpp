#include "WindowLayout.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr int TwipsPerInch = 1440;
constexpr int FallbackDotsPerInch = 96;

bool FitsItsText(const QWidget& control)
{
    return qobject_cast<const QLabel*>(&control) || qobject_cast<const QCheckBox*>(&control) ||
           qobject_cast<const QRadioButton*>(&control);
}

}  // namespace

int TwipsToPixels(int twips, int dotsPerInch)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) * dotsPerInch / TwipsPerInch));
}

int ScreenDotsPerInch()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch())) : 0;
    return dpi > 0 ? dpi : FallbackDotsPerInch;
}

void PlaceInTwips(QWidget& control, const TwipsRect& place, int dotsPerInch)
{
    int width = TwipsToPixels(place.width, dotsPerInch);
    int height = TwipsToPixels(place.height, dotsPerInch);
    if (FitsItsText(control)) {
        // A check box or option button centres its text, and its tick may
        // stand a little taller than the line without cutting anything off.
        const bool label = qobject_cast<const QLabel*>(&control) != nullptr;
        width = std::max(width, control.sizeHint().width());
        height = std::max(height, label ? control.sizeHint().height() : control.fontMetrics().height());
    }
    control.setGeometry(TwipsToPixels(place.left, dotsPerInch), TwipsToPixels(place.top, dotsPerInch), width,
                        height);
}

namespace {

// The width a control needs to show caption whole.
int NeededWidth(const QWidget& control, QString caption)
{
    if (!qobject_cast<const QPushButton*>(&control))
        return control.sizeHint().width();
    caption.remove(QLatin1Char('&'));
    const int margin = control.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &control);
    return control.fontMetrics().horizontalAdvance(caption) + 2 * margin;
}

QString CaptionOf(const QWidget& control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    return {};
}

}  // namespace

void FitRow(const std::vector<QWidget*>& row, bool fromRight, const std::vector<QString>& otherCaptions)
{
    if (row.empty())
        return;
    std::vector<QRect> places;
    for (const QWidget* control : row)
        places.push_back(control->geometry());
    for (std::size_t i = 0; i < row.size(); ++i) {
        int needed = NeededWidth(*row[i], CaptionOf(*row[i]));
        if (qobject_cast<const QPushButton*>(row[i]))
            for (const QString& other : otherCaptions)
                needed = std::max(needed, NeededWidth(*row[i], other));
        places[i].setWidth(std::max(places[i].width(), needed));
    }
    // Keep the design's gaps. A label that already grew to the right when
    // it was placed has eaten its gap: it gets the row's narrowest one.
    std::vector<int> gaps(row.size(), 0);  // before each control
    int narrowest = -1;
    for (std::size_t i = 1; i < row.size(); ++i) {
        gaps[i] = row[i]->geometry().left() - row[i - 1]->geometry().right();
        if (gaps[i] > 0 && (narrowest < 0 || gaps[i] < narrowest))
            narrowest = gaps[i];
    }
    for (std::size_t i = 1; i < row.size(); ++i)
        if (gaps[i] <= 0)
            gaps[i] = narrowest > 0 ? narrowest : row[i]->fontMetrics().averageCharWidth();
    if (fromRight) {
        int right = row.back()->geometry().right();
        for (std::size_t i = row.size(); i-- > 0;) {
            places[i].moveRight(right);
            right = places[i].left() - gaps[i];
        }
    } else {
        int left = row.front()->geometry().left();
        for (std::size_t i = 0; i < row.size(); ++i) {
            left += i > 0 ? gaps[i] : 0;
            places[i].moveLeft(left);
            left = places[i].right();
        }
    }
    for (std::size_t i = 0; i < row.size(); ++i)
        row[i]->setGeometry(places[i]);
}

void MakeFixedWindow(QWidget& window, int widthTwips, int heightTwips, int dotsPerInch)
{
    Qt::WindowFlags kind = window.windowFlags() & Qt::WindowType_Mask;
    if (kind == Qt::Widget)
        kind = Qt::Window;
    window.setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
    window.setFixedSize(TwipsToPixels(widthTwips, dotsPerInch), TwipsToPixels(heightTwips, dotsPerInch));
    window.setFont(WindowFont());
}

QFont WindowFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}
