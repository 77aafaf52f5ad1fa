// The main window sees every key before the focused control: record keys,
// saving and cancelling keys, and overtype.
#include "app/main_window.h"

#include "app/main_menu.h"
#include "ui/data_field_box.h"
#include "ui/services.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace quorvel {

namespace {

bool isEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

bool hasOnly(const QKeyEvent* event, Qt::KeyboardModifiers modifiers)
{
    return (event->modifiers() & ~Qt::KeypadModifier) == modifiers;
}

// A key that types a character: not a control, navigation or function key,
// and not a command with Ctrl or Alt.
bool typesCharacter(const QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return !event->text().isEmpty() && event->text().front().isPrint();
}

bool changesText(const QKeyEvent* event)
{
    return typesCharacter(event) || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete
           || event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)
           || event->matches(QKeySequence::Undo);
}

// The typed character replaces the one at the cursor; never a line break.
void widenSelection(QObject* control)
{
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        if (!line->hasSelectedText() && line->cursorPosition() < line->text().size())
            line->setSelection(line->cursorPosition(), 1);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
        QTextCursor cursor = memo->textCursor();
        if (!cursor.hasSelection() && !cursor.atBlockEnd()) {
            cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
            memo->setTextCursor(cursor);
        }
    }
}

const char* recordMoveAction(int key)
{
    switch (key) {
    case Qt::Key_Up: return "mnuFirst";
    case Qt::Key_Left: return "mnuPrior";
    case Qt::Key_Right: return "mnuNext";
    case Qt::Key_Down: return "mnuLast";
    default: return nullptr;
    }
}

} // namespace

bool TAddressMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && handleKey(watched, static_cast<QKeyEvent*>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool TAddressMain::handleKey(QObject* watched, QKeyEvent* event)
{
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier)
        insertToggle_ = !insertToggle_;
    if (hasOnly(event, Qt::ControlModifier)) {
        // Ctrl and an arrow moves through the records even in a box that
        // would move by words.
        if (const char* name = recordMoveAction(event->key())) {
            if (QAction* move = menu_->action(QString::fromLatin1(name)); move->isEnabled())
                move->trigger();
            return true;
        }
    }
    if (TableQVW.isEditing() ? handleEditingKey(event) : handleBrowsingKey(event))
        return true;
    if (watched == controls_.MemoBox && changesText(event) && TableQVW.Active() && !TableQVW.isEditing()) {
        if (!startEditFromMemo())
            return true;
    }
    if (!insertToggle_ && typesCharacter(event) && (qobject_cast<QLineEdit*>(watched) || watched == controls_.MemoBox))
        widenSelection(watched);
    if (isEnter(event) && hasOnly(event, Qt::NoModifier) && qobject_cast<TDataFieldBox*>(watched)) {
        focusNextChild();
        return true;
    }
    return false;
}

// Typing into the memo while browsing edits the record when "&Edit" could;
// otherwise the key is swallowed (false).
bool TAddressMain::startEditFromMemo()
{
    const bool editAllowed = controls_.EditButton->isVisible() && controls_.EditButton->isEnabled();
    if (!editAllowed || !TableQVW.Edit())
        return false;
    SetButtons();
    return true;
}

bool TAddressMain::handleEditingKey(QKeyEvent* event)
{
    if (isEnter(event) && hasOnly(event, Qt::AltModifier)) {
        SaveAndAskForAnother();
        return true;
    }
    if (isEnter(event) && hasOnly(event, Qt::ControlModifier)) {
        SaveButtonClick();
        return true;
    }
    switch (event->key()) {
    case Qt::Key_PageDown:
        if (TServices::messages().question(this, QStringLiteral("Save changes?"), QStringLiteral("Save")))
            SaveButtonClick();
        return true;
    case Qt::Key_PageUp: return true;
    case Qt::Key_Escape:
        // The answer counts in the memo too: a No never throws the notes away.
        if (TServices::messages().question(this, QStringLiteral("Cancel changes?"), QStringLiteral("Cancel")))
            CancelButtonClick();
        return true;
    default: return false;
    }
}

bool TAddressMain::handleBrowsingKey(QKeyEvent* event)
{
    const bool ctrl = hasOnly(event, Qt::ControlModifier);
    if (!ctrl && !hasOnly(event, Qt::NoModifier))
        return false;
    if (event->key() == Qt::Key_PageDown) {
        ctrl ? LastRecord() : NextRecord();
        return true;
    }
    if (event->key() == Qt::Key_PageUp) {
        ctrl ? FirstRecord() : PriorRecord();
        return true;
    }
    return false;
}

void TAddressMain::SaveAndAskForAnother()
{
    SaveButtonClick();
    if (TableQVW.isEditing())
        return; // the save failed and said why
    if (TServices::messages().question(this, QStringLiteral("Add another record?"), QStringLiteral("Add")))
        AddButtonClick();
}

} // namespace quorvel
