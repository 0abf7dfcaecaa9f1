// The application object's report of exceptions that leave the program's handlers.
#include "gui/Application.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>
#include <new>

namespace {

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Runs `action`, which is expected to bring up a modal message box; reads and closes it.
ShownBox CaptureMessageBox(const std::function<void()>& action) {
    ShownBox shown;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = {box->windowTitle(), box->text(), box->icon()};
            box->accept();
        }
    });
    poll.start();
    action();
    return shown;
}

TEST(Application, TitleIsTheExecutablesNameWithoutDirectoryOrExtension) {
    EXPECT_EQ(Application->Title(), QStringLiteral("test_gui"));
}

TEST(Application, AnUnhandledExceptionIsShownInAMessageBoxCaptionedWithTheTitle) {
    const ShownBox shown = CaptureMessageBox([] {
        Application->Dispatch(
            [](TObject*) {
                throw EConvertError(QStringLiteral("''x'' is not a valid integer value"));
            },
            nullptr);
    });
    EXPECT_EQ(shown.title, Application->Title());
    EXPECT_EQ(shown.text, QStringLiteral("''x'' is not a valid integer value."));
    EXPECT_EQ(shown.icon, QMessageBox::Critical);
}

TEST(Application, AMessageEndingInAFullStopGetsNoSecondOne) {
    const ShownBox shown = CaptureMessageBox([] {
        Application->Dispatch([](TObject*) { throw Exception(QStringLiteral("Done.")); }, nullptr);
    });
    EXPECT_EQ(shown.text, QStringLiteral("Done."));
}

TEST(Application, ExceptionsOfAnyKindReachOnExceptionWithTheirSender) {
    std::vector<QString> messages;
    std::vector<TObject*> senders;
    Application->OnException = [&](TObject* sender, const Exception& e) {
        messages.push_back(e.ClassName() + QLatin1Char(':') + e.Message());
        senders.push_back(sender);
    };
    TComponent sender(nullptr);
    Application->Dispatch([](TObject*) { throw EResNotFound(QStringLiteral("gone")); }, &sender);
    Application->Dispatch([](TObject*) { throw std::bad_alloc(); }, &sender);
    Application->Dispatch([](TObject*) { throw 42; }, &sender);
    Application->Dispatch([](TObject*) {}, &sender);
    Application->Dispatch(TNotifyEvent(), &sender); // no handler connected: nothing happens
    Application->OnException = nullptr;
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], QStringLiteral("EResNotFound:gone"));
    EXPECT_EQ(messages[1], QStringLiteral("Exception:std::bad_alloc"));
    EXPECT_EQ(messages[2], QStringLiteral("Exception:Unknown exception"));
    EXPECT_EQ(senders, (std::vector<TObject*>{&sender, &sender, &sender}));
}

TEST(Application, AFailingExceptionHandlerDoesNotEscapeTheEvent) {
    Application->OnException = [](TObject*, const Exception&) {
        throw std::runtime_error("again");
    };
    EXPECT_NO_THROW(
        Application->Dispatch([](TObject*) { throw Exception(QStringLiteral("first")); }, nullptr));
    Application->OnException = nullptr;
}

} // namespace
