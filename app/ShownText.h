#pragma once

#include <QByteArray>
#include <QString>

#include <string>

// The system's texts are bytes in the platform's 8-bit encoding with CR LF
// line breaks; a widget shows them with plain line feeds.
inline QString ShownText(const std::string& text)
{
    return QString::fromLocal8Bit(QByteArray::fromStdString(text)).replace(QStringLiteral("\r\n"),
                                                                          QStringLiteral("\n"));
}

// What a user typed, as the system's bytes.
inline std::string TypedText(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}
