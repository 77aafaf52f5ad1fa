#include "labels/windows/choose_label_layout.h"

#include "labels/windows/dialog_buttons.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace labels {

TChooseLabelLayout::TChooseLabelLayout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ChooseLabelLayout"));
    setWindowTitle(QStringLiteral("Label Layout"));
    SelectFromTemplate = new QRadioButton(QStringLiteral("&Select layout from a list of templates"), this);
    SelectFromTemplate->setObjectName(QStringLiteral("SelectFromTemplate"));
    SelectFromTemplate->setChecked(true);
    EnterLayoutManually
        = new QRadioButton(QStringLiteral("&Enter the layout values manually (user defined layout)"), this);
    EnterLayoutManually->setObjectName(QStringLiteral("EnterLayoutManually"));

    auto* column = new QVBoxLayout(this);
    column->addWidget(SelectFromTemplate);
    column->addWidget(EnterLayoutManually);
    const TDialogButtons buttons = AddDialogButtons(*this, *column, kHelpContext);
    connect(buttons.ok, &QPushButton::clicked, this, &TChooseLabelLayout::OKButtonClick);
}

void TChooseLabelLayout::OKButtonClick()
{
    done(SelectFromTemplate->isChecked() ? kFromTemplate : kEnterManually);
}

void TChooseLabelLayout::reject()
{
    done(kResultCancel);
}

} // namespace labels
