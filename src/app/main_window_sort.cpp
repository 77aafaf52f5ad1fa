// The sort orders of the main window.
#include "app/main_window.h"

#include "app/main_menu.h"
#include "store/address_layout.h"

#include <QLabel>

namespace quorvel {

namespace {

// The name of the order that sorts by this tag; empty when none does.
QString orderNameForTag(const QString& tag)
{
    for (const TSortOrder& order : addressSortOrders()) {
        if (QString(order.tag).compare(tag, Qt::CaseInsensitive) == 0)
            return sortOrderName(order);
    }
    return {};
}

} // namespace

void TAddressMain::SetMenuOrder(const QString& caption) { SetOrderTo(caption.mid(1)); }

void TAddressMain::SetOrderTo(const QString& orderName)
{
    const std::optional<QString> tag = tagForSortOrderName(orderName);
    if (!tag)
        return;
    SetCurrentOrder(*tag);
    showOrder(orderName);
    SetButtons();
}

void TAddressMain::SetCurrentOrder(const QString& tagName)
{
    currentOrderName_ = tagName;
    if (tagName.isEmpty())
        return;
    TableQVW.SetOrder(tagName); // a file without the tag stays in its order
    // The status line and the menu follow an order set by tag too (after a
    // reopen or another window), so they never name an order not in force.
    if (const QString name = orderNameForTag(tagName); !name.isEmpty())
        showOrder(name);
}

void TAddressMain::showOrder(const QString& orderName)
{
    controls_.SortStatus->setText(sortStatusText(orderName));
    menu_->checkSortOrder(orderName);
}

void TAddressMain::clearOrder()
{
    currentOrderName_.clear();
    controls_.SortStatus->clear();
    menu_->checkSortOrder(QString());
}

} // namespace quorvel
