#pragma once

#include "support/temp_dir.h"
#include "ui/scripted_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <gtest/gtest.h>

namespace labels_gui {

// Runs `action` on the modal window of that object name once it is up, so
// that a chain of dialogs opened one after the other is driven in order.
// The watch ends when it has run; a test that expects the window not to
// come ends it by deleting the timer.
QPointer<QTimer> whenModalNamed(const char* objectName, std::function<void(QWidget*)> action);

// Clicks the named button of a window, which must be visible and enabled.
void clickButton(QWidget* window, const char* objectName);

// Clicks a check box or radio button on its box: a click beyond its text
// misses it, as it would miss for a user.
void clickToggle(QAbstractButton* button);

// The rows of a window's grid, each row's cells joined by '|'.
QStringList GridRows(QWidget* window, const char* gridName);
// Makes the grid row whose first cell reads `text` the current one.
void HighlightRow(QWidget* window, const char* gridName, const QString& text);

template <typename T> T* child(QWidget* window, const char* objectName)
{
    T* found = window->findChild<T*>(QString::fromLatin1(objectName));
    EXPECT_NE(found, nullptr) << objectName;
    return found;
}

// Opens a window with `open` (a menu item, a button), runs the steps on it
// once it is up and closes it with Ok; the test fails when it never came.
template <typename Window>
void WithWindow(const char* objectName, const std::function<void()>& open, std::function<void(Window&)> steps)
{
    auto ran = std::make_shared<bool>(false);
    whenModalNamed(objectName, [steps, ran](QWidget* opened) {
        steps(*static_cast<Window*>(opened));
        *ran = true;
        clickButton(opened, "OKButton");
    });
    open();
    EXPECT_TRUE(*ran) << objectName;
}

// Opens a design screen with `open`, runs the steps on it and leaves it
// with Save once something changed (Save shows only then), else Cancel.
template <typename Designer>
void WithDesigner(const char* objectName, const std::function<void()>& open, std::function<void(Designer&)> steps)
{
    whenModalNamed(objectName, [steps](QWidget* opened) {
        auto& designer = *static_cast<Designer*>(opened);
        steps(designer);
        clickButton(opened, designer.Changed() ? "SaveButton" : "CancelButton");
    });
    open();
}

// A sysdata folder with a small stock catalogue, and a settings file,
// for the dialogs and the design screen on their own.
class LabelWindowsTest : public ::testing::Test {
protected:
    LabelWindowsTest();

    QString home() const { return QString::fromStdString(dir.path()) + QLatin1Char('/'); }
    QString sysdata() const { return home() + QStringLiteral("sysdata/"); }
    QString iniPath() const { return home() + QStringLiteral("QUORVL.ini"); }

    testing_support::TempDir dir;
    quorvel::TScriptedServices ui;
};

// The catalogue rows the tests choose from (see the fixture).
void BuildTestCatalogue(const QString& sysdataFolder);

} // namespace labels_gui
