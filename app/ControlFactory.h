#pragma once

#include "WindowLayout.h"

#include <QString>
#include <QWidget>

// Makes one named control of a window at its place in twips.
template <typename Control>
Control* MakeControl(QWidget* parent, const char* name, const QString& caption, const TwipsRect& place,
                     int dotsPerInch)
{
    auto* control = new Control(caption, parent);
    control->setObjectName(QString::fromLatin1(name));
    PlaceInTwips(*control, place, dotsPerInch);
    return control;
}
