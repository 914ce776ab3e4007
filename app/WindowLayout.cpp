#include "WindowLayout.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
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
