#include "LayoutChecks.h"

#include "WindowLayout.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// The caption of a control, and whether its place shows all of it.
std::string CutOffCaption(const QWidget& control)
{
    QString caption;
    if (auto* label = qobject_cast<const QLabel*>(&control))
        caption = label->text();
    else if (auto* button = qobject_cast<const QAbstractButton*>(&control))
        caption = button->text();
    caption.remove(QLatin1Char('&'));  // a mnemonic's marker is not drawn
    if (caption.isEmpty())
        return {};
    bool fits = true;
    if (qobject_cast<const QPushButton*>(&control)) {
        const int margin = control.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &control);
        fits = control.fontMetrics().horizontalAdvance(caption) + margin <= control.width() &&
               control.fontMetrics().height() <= control.height();
    } else {
        const int lineHeight = qobject_cast<const QLabel*>(&control) ? control.sizeHint().height()
                                                                      : control.fontMetrics().height();
        fits = control.sizeHint().width() <= control.width() && lineHeight <= control.height();
    }
    return fits ? std::string() : caption.toStdString();
}

// A control of the design, not one of the parts Qt builds inside a control.
bool Designed(const QWidget& control)
{
    return !control.objectName().isEmpty() && !control.objectName().startsWith(QLatin1String("qt_"));
}

}  // namespace

void ExpectReadableAndApart(QWidget& window, int widthTwips, int heightTwips)
{
    const int dpi = ScreenDotsPerInch();
    EXPECT_EQ(window.size(), QSize(TwipsToPixels(widthTwips, dpi), TwipsToPixels(heightTwips, dpi)));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "fixed size";
    EXPECT_FALSE(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!Designed(*control))
            continue;
        EXPECT_EQ(CutOffCaption(*control), "") << control->objectName().toStdString();
        EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry()))
            << control->objectName().toStdString() << " lies outside its window or frame";
        for (QWidget* sibling :
             control->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            // The design lets a note's top touch the box above it by a pixel.
            if (sibling != control && Designed(*sibling)) {
                EXPECT_LE(control->geometry().intersected(sibling->geometry()).height(), 1)
                    << control->objectName().toStdString() << " covers " << sibling->objectName().toStdString();
            }
        }
    }
}

void ExpectDistinctMnemonics(QWidget& window)
{
    std::map<QChar, std::string> taken;
    auto take = [&](const QString& caption, const std::string& name) {
        const int at = caption.indexOf(QLatin1Char('&'));
        if (at < 0 || at + 1 >= caption.size())
            return false;
        const QChar key = caption[at + 1].toLower();
        EXPECT_TRUE(taken.emplace(key, name).second) << name << " and " << taken[key] << " share Alt+"
                                                     << QString(key).toStdString();
        return true;
    };
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            EXPECT_TRUE(take(button->text(), control->objectName().toStdString()))
                << control->objectName().toStdString() << " has no key";
        } else if (auto* label = qobject_cast<QLabel*>(control); label && label->buddy()) {
            EXPECT_TRUE(take(label->text(), control->objectName().toStdString()));
        }
    }
    if (window.objectName() == QLatin1String("Form1"))
        take(QCoreApplication::translate("Form1", "S&top"), "Stop");
}

