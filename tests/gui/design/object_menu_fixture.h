#pragma once

// A label surface whose objects are right-clicked as a user would: the
// menu that opens, the items in it, and the dialogs its commands open.

#include "design/dialogs/field_choice.h"
#include "design/model/design_owner.h"
#include "design/model/record_values.h"
#include "design/panels/panel_label.h"
#include "support/temp_dir.h"
#include "surface_mouse.h"
#include "ui/scripted_services.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QDialog;
class QMenu;

namespace object_menu_test {

// An address record with a few fields, some of which the field dialog must
// leave out (a number, a hidden field, a negative tag).
class TestRecord : public design::TGRecordSource {
public:
    std::vector<design::TGDataField> DataFields() const override;
    std::optional<QString> FieldText(const QString& fieldName) const override;
    QString MemoText(const QString& fieldName) const override;
};

// Runs the action on the next modal dialog once it shows.
void WhenModal(std::function<void(QDialog&)> action);

class ObjectMenuTest : public ::testing::Test {
protected:
    ObjectMenuTest();

    template <typename T>
    T* Place(QRect rect)
    {
        return static_cast<T*>(panel.AddObject(std::make_unique<T>(owner), rect));
    }

    // A right press and release at the point; the menu that opened.
    QMenu* RightClick(QPoint point);
    // The captions of the menu's first level, "-" for separators.
    static QStringList Captions(const QMenu& menu);
    // The action with this object name anywhere in the menu.
    static QAction* Item(const QMenu& menu, const char* objectName);
    // Right-clicks the object and chooses the item.
    void Choose(design::TGGraphicControl& object, const char* objectName);

    quorvel::TScriptedServices ui;
    testing_support::TempDir home;
    design::TGDesignOwner owner;
    design::TGLabelPanel panel;
    TSurfaceMouse mouse;
    TestRecord record;
    int changes = 0;
};

} // namespace object_menu_test
