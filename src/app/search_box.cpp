#include "app/search_box.h"

#include "app/dialog_controls.h"
#include "store/address_layout.h"
#include "ui/help.h"
#include "ui/whats_this.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel {

TSearchBox::TSearchBox(const QString& currentTag, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SearchBox"));
    setWindowTitle(QStringLiteral("Search"));
    buildControls();
    fillOrders(currentTag);
    connect(OrderList, &QComboBox::currentIndexChanged, this, &TSearchBox::OrderListChange);
    OrderListChange();
}

void TSearchBox::buildControls()
{
    OrderLabel = makeLabel(QStringLiteral("Search &Order"), QStringLiteral("OrderLabel"), this);
    OrderList = new QComboBox(this);
    OrderList->setObjectName(QStringLiteral("OrderList"));
    setWhatsThisText(OrderList, QStringLiteral("The field to search in. The records are then sorted by it."));
    OrderLabel->setBuddy(OrderList);
    SearchForLabel = makeLabel(QStringLiteral("&Search for"), QStringLiteral("SearchForLabel"), this);
    SearchForEdit = makeLineEdit(QStringLiteral("SearchForEdit"), 0, this,
                                 QStringLiteral("Type the first letters of the value to find. Letter case does not "
                                                "matter."));
    SearchForLabel->setBuddy(SearchForEdit);
    OkButton = makeButton(QStringLiteral("Ok"), QStringLiteral("OkButton"), this,
                          QStringLiteral("Goes to the first record whose value starts with what you typed."));
    CancelButton = makeButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this,
                              QStringLiteral("Closes this window without searching."));
    HelpButton = makeHelpButton(this, help_context::kSearch);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(OrderLabel, 0, 0);
    grid->addWidget(OrderList, 0, 1);
    grid->addWidget(SearchForLabel, 1, 0, 1, 2);
    grid->addWidget(SearchForEdit, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {OkButton, CancelButton, HelpButton})
        buttons->addWidget(button);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(buttons);
    setMinimumWidth(340);
}

void TSearchBox::fillOrders(const QString& currentTag)
{
    for (const TSortOrder& order : addressSortOrders()) {
        OrderList->addItem(sortOrderName(order));
        if (QString(order.tag).compare(currentTag, Qt::CaseInsensitive) == 0)
            OrderList->setCurrentIndex(OrderList->count() - 1);
    }
}

QString TSearchBox::promptText(const QString& orderName)
{
    return QStringLiteral("Search ") + orderName + QStringLiteral(" starting with...");
}

QString TSearchBox::orderName() const { return OrderList->currentText(); }

QString TSearchBox::searchText() const { return SearchForEdit->text(); }

void TSearchBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SearchForEdit->setFocus();
}

void TSearchBox::OrderListChange()
{
    SearchForLabel->setText(promptText(orderName()));
    SearchForEdit->setFocus();
}

} // namespace quorvel
