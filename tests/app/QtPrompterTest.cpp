// The Qt message and input boxes, answered as a user answers them.
#include "QtPrompter.h"
#include "WidgetDriver.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace {

struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Shows one box and answers it with the given button, recording what it showed.
MessageAnswer Answer(const std::string& text, const std::string& title, MessageButtons buttons, MessageIcon icon,
                     QMessageBox::StandardButton press, Seen& seen)
{
    QtPrompter prompter(nullptr);
    WhenModal([&seen, press](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        box->button(press)->click();
    });
    return prompter.ShowMessageBox(text, title, buttons, icon);
}

TEST(QtPrompter, MessageBoxesShowTheirButtonsIconAndTitle)
{
    Seen seen;
    EXPECT_EQ(Answer("Overwrite \"a\" ?", "VBUnZip32 - File Already Exists!", MessageButtons::YesNoCancel,
                     MessageIcon::Warning, QMessageBox::No, seen),
              MessageAnswer::No);
    EXPECT_EQ(seen.title, "VBUnZip32 - File Already Exists!");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

    EXPECT_EQ(Answer("too long", "t", MessageButtons::RetryCancel, MessageIcon::Critical, QMessageBox::Retry, seen),
              MessageAnswer::Retry);
    EXPECT_EQ(seen.buttons, QMessageBox::Retry | QMessageBox::Cancel);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);

    EXPECT_EQ(Answer("line one\r\nline two", "", MessageButtons::Ok, MessageIcon::None, QMessageBox::Ok, seen),
              MessageAnswer::Ok);
    EXPECT_EQ(seen.title, "Bindwell") << "a box without a title of its own shows the application's";
    EXPECT_EQ(seen.text, "line one\nline two");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
}

TEST(QtPrompter, InputBoxesGiveWhatWasTypedOrNothingWhenCancelled)
{
    QtPrompter prompter(nullptr);
    WhenModal([](QWidget& modal) {
        auto* box = qobject_cast<QInputDialog*>(&modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->labelText(), "Please Enter The Password!");
        EXPECT_EQ(box->windowTitle(), "Bindwell");
        EXPECT_TRUE(box->textValue().isEmpty());
        box->setTextValue("s3cret");
        box->accept();
    });
    EXPECT_EQ(prompter.AskInput("Please Enter The Password!", "", InputEcho::Hidden), "s3cret");

    WhenModal([](QWidget& modal) {
        static_cast<QDialog&>(modal).findChild<QLineEdit*>()->setText("typed");
        static_cast<QDialog&>(modal).reject();
    });
    EXPECT_EQ(prompter.AskInput("Enter the comment", "", InputEcho::Shown), "");
}

}  // namespace
