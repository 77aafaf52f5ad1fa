#include "design/dialogs/select_field_dialog.h"

#include "design/dialogs/text_dialog_buttons.h"
#include "design/model/data_label.h"
#include "design/model/memo_label.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace design {

namespace {

// Runs the dialog; the field to bind to when confirmed with a choice.
template <typename Label>
bool SelectFieldFor(Label& label, const std::vector<TGDataField>& fields, TGFieldKind kind, quorvel::THelp* help,
                    QWidget* parent)
{
    TSelectFieldDialog dialog(SelectableFieldLabels(fields, kind), label.DataFieldDescript(), help, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const std::optional<QString> choice = dialog.Choice();
    if (!choice)
        return false;
    const std::optional<TGDataField> field = FieldForLabel(fields, *choice);
    if (!field)
        return false;
    label.BindField(field->Name, field->DisplayLabel);
    return true;
}

} // namespace

TSelectFieldDialog::TSelectFieldDialog(const QStringList& labels, const QString& currentLabel, quorvel::THelp* help,
                                       QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SelectFieldDialog"));
    setWindowTitle(QStringLiteral("Select Field"));
    FieldList = new QListWidget(this);
    FieldList->setObjectName(QStringLiteral("FieldList"));
    FieldList->addItems(labels);
    if (const auto preselected = PreselectedField(labels, currentLabel))
        FieldList->setCurrentRow(*preselected);
    // A double click is the quick way to say OK.
    connect(FieldList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* column = new QVBoxLayout(this);
    column->addWidget(FieldList);
    column->addLayout(MakeDialogButtons(*this, help, kHelpContext));
}

std::optional<QString> TSelectFieldDialog::Choice() const
{
    const QListWidgetItem* current = FieldList->currentItem();
    if (!current)
        return std::nullopt;
    return current->text();
}

bool SelectDataField(TGPDLabel& label, const std::vector<TGDataField>& fields, quorvel::THelp* help, QWidget* parent)
{
    return SelectFieldFor(label, fields, TGFieldKind::Character, help, parent);
}

bool SelectMemoField(TGDMultiLineLabel& label, const std::vector<TGDataField>& fields, quorvel::THelp* help,
                     QWidget* parent)
{
    return SelectFieldFor(label, fields, TGFieldKind::Memo, help, parent);
}

} // namespace design
