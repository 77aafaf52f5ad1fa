#pragma once

#include "app/main_window.h"
#include "ui/data_field_box.h"
#include "ui/scripted_services.h"

#include "support/temp_dir.h"

#include <QApplication>
#include <QMap>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace quorvel::testing {

// Runs `action` on the next modal window as soon as it is up (the window
// that opened it is then inside exec()).
void whenModal(std::function<void(QWidget*)> action);

// The main window on a temporary home folder, with scripted messages and
// dialogs. Settings are written before start(); Getting Started is off and
// aggressive saving is off unless a test says otherwise.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    QString home() const { return QString::fromStdString(dir.path()) + QLatin1Char('/'); }
    QString dataFile(const QString& name) const { return home() + QStringLiteral("DATA/") + name; }
    // Writes the settings file (before start()): Getting Started and
    // aggressive saving as given, then `sections`.
    void writeIni(const QByteArray& sections, bool gettingStarted = false, int aggressiveSave = 0);
    void start();

    TAddressMain& main() { return *window; }
    TDataset& table() { return window->dataset(); }
    template <typename T> T* control(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    TDataFieldBox* box(const char* field) const
    {
        return control<TDataFieldBox>(QString::fromLatin1(field) + QStringLiteral("Edit"));
    }
    void click(const char* name);
    void trigger(const char* actionName);
    void key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Clicks into the box, empties it and types, as a user would.
    void type(const char* field, const QString& text);
    QString value(const char* field) const { return window->dataset().FieldAsString(QString::fromLatin1(field)); }
    // Adds and saves a record through the window.
    void addRecord(const QMap<QString, QString>& fields);
    // The last message's text and caption.
    QString lastText() const { return ui.messages.lastText(); }
    QString lastCaption() const { return ui.messages.shown().isEmpty() ? QString() : ui.messages.shown().last().caption; }
    bool visible(const char* name) const { return control<QWidget>(QString::fromLatin1(name))->isVisible(); }
    bool enabled(const char* name) const { return control<QWidget>(QString::fromLatin1(name))->isEnabled(); }

    testing_support::TempDir dir;
    TScriptedServices ui;
    std::unique_ptr<TAddressMain> window;
};

} // namespace quorvel::testing
