#include "ui/data_field_box.h"

#include "store/dataset.h"
#include "ui/services.h"

#include <QKeyEvent>

#include <algorithm>

namespace quorvel {

namespace {

bool changesText(const QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)
        || event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return true;
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)
        return true;
    const bool command = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    return !command && !event->text().isEmpty() && event->text().front().isPrint();
}

} // namespace

TDataFieldBox::TDataFieldBox(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, &TDataFieldBox::textEditedByUser);
}

void TDataFieldBox::bind(TDataset* dataset, const QString& fieldName)
{
    if (TDataset* previous = dataset_.data())
        disconnect(previous, nullptr, this, nullptr);
    dataset_ = dataset;
    fieldName_ = fieldName;
    if (dataset) {
        connect(dataset, &TDataset::recordChanged, this, &TDataFieldBox::refresh);
        connect(dataset, &TDataset::stateChanged, this, &TDataFieldBox::refresh);
        connect(dataset, &TDataset::fieldChanged, this, &TDataFieldBox::datasetFieldChanged);
    }
    refresh();
}

void TDataFieldBox::refresh()
{
    if (writing_)
        return;
    applyWidth();
    const TDataset* dataset = dataset_.data();
    const bool hasRecord = dataset && dataset->Active() && (dataset->isEditing() || !dataset->IsEmpty());
    setText(hasRecord ? dataset->FieldAsString(fieldName_) : QString());
    setCursorPosition(0);
}

void TDataFieldBox::applyWidth()
{
    const TDataset* dataset = dataset_.data();
    const int width = dataset ? dataset->FieldWidth(fieldName_) : 0;
    // Computed fields have no stored width; they are shown whole.
    setMaxLength(width > 0 ? width : 32767);
}

void TDataFieldBox::datasetFieldChanged(const QString& name)
{
    // A computed field follows the stored fields it is worked out from.
    if (name.compare(fieldName_, Qt::CaseInsensitive) == 0 || isComputed())
        refresh();
}

bool TDataFieldBox::isComputed() const
{
    const TDataset* dataset = dataset_.data();
    if (!dataset)
        return false;
    const auto& computed = dataset->calculatedFields();
    return std::any_of(computed.begin(), computed.end(), [this](const TFieldDef& field) {
        return field.name.compare(fieldName_, Qt::CaseInsensitive) == 0;
    });
}

bool TDataFieldBox::canChange() const
{
    const TDataset* dataset = dataset_.data();
    return dataset && dataset->Active() && !isReadOnly() && !isComputed();
}

bool TDataFieldBox::startEdit()
{
    TDataset* dataset = dataset_.data();
    if (!dataset || !canChange())
        return false;
    if (dataset->isEditing())
        return true;
    if (dataset->IsEmpty() || (autoEditAllowed_ && !autoEditAllowed_()))
        return false;
    return dataset->Edit();
}

void TDataFieldBox::keyPressEvent(QKeyEvent* event)
{
    // Browsing never changes a record by accident: a key that would change
    // the text reaches the box only once the record is being edited.
    if (changesText(event) && !startEdit()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TDataFieldBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    startEdit();
    emit doubleClicked();
}

void TDataFieldBox::textEditedByUser(const QString& text)
{
    TDataset* dataset = dataset_.data();
    if (!dataset || !dataset->isEditing()) {
        refresh();
        return;
    }
    const QString value = upperCase_ ? text.toUpper() : text;
    const int cursor = cursorPosition();
    writing_ = true;
    const bool stored = dataset->SetFieldAsString(fieldName_, value);
    writing_ = false;
    if (!stored) {
        TServices::messages().error(window(), dataset->lastError());
        // The box shows the field again, the cursor where the user was.
        const int typedLength = static_cast<int>(text.size() - dataset->FieldAsString(fieldName_).size());
        refresh();
        setCursorPosition(std::max(0, cursor - std::max(0, typedLength)));
        return;
    }
    if (value != text) {
        setText(value);
        setCursorPosition(cursor);
    }
}

} // namespace quorvel
