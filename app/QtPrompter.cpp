#include "QtPrompter.h"

#include "ShownText.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace {

QString TitleOrApplication(const std::string& title)
{
    return ShownText(title.empty() ? std::string(ApplicationTitle) : title);
}

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    default:
        return MessageAnswer::Cancel;
    }
}

}  // namespace

QtPrompter::QtPrompter(std::function<void(const std::string&)> printOnWindow)
    : printOnWindow_(std::move(printOnWindow))
{
}

MessageAnswer QtPrompter::ShowMessageBox(const std::string& text, const std::string& title, MessageButtons buttons,
                                         MessageIcon icon)
{
    QMessageBox box(IconOf(icon), TitleOrApplication(title), QString(), ButtonsOf(buttons),
                    QApplication::activeWindow());
    // A book's name is shown as it is, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(ShownText(text));
    return AnswerOf(box.exec());
}

void QtPrompter::ShowDetailedMessage(const std::string& text, const std::string& details, MessageIcon icon)
{
    QMessageBox box(IconOf(icon), TitleOrApplication({}), QString(), QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setText(ShownText(text));
    if (!details.empty())
        box.setDetailedText(ShownText(details));
    box.exec();
}

std::string QtPrompter::AskInput(const std::string& prompt, const std::string& title, InputEcho echo)
{
    QInputDialog box(QApplication::activeWindow());
    box.setTextEchoMode(echo == InputEcho::Hidden ? QLineEdit::Password : QLineEdit::Normal);
    box.setWindowTitle(TitleOrApplication(title));
    box.setLabelText(ShownText(prompt));
    for (QLabel* label : box.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    box.setTextValue(QString());
    if (box.exec() != QDialog::Accepted)
        return {};
    return TypedText(box.textValue());
}

void QtPrompter::PrintOnWindow(const std::string& text)
{
    if (printOnWindow_)
        printOnWindow_(text);
}

void QtPrompter::ProcessPendingEvents()
{
    QCoreApplication::processEvents();
}
