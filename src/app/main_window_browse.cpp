// "Browse": the records of the query as a grid, with the columns in the
// order the user left them last time.
#include "app/main_window.h"

#include "app/address_browse_form.h"
#include "store/address_layout.h"
#include "store/browse_columns.h"
#include "store/browse_field_order.h"
#include "ui/services.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace quorvel {

namespace {

QStringList shownBrowseFields()
{
    QStringList shown;
    for (QLatin1String column : addressBrowseColumns())
        shown << QString(column);
    return shown;
}

} // namespace

void TAddressMain::BrowseClick()
{
    if (!TableQVW.Active() || TableQVW.isEditing() || TableQVW.IsEmpty()) {
        QApplication::beep();
        return;
    }
    const QStringList shown = shownBrowseFields();
    const QString path = browseColumnsPath(home_);
    const QStringList order =
        ApplyBrowseColumnOrder(defaultBrowseFieldOrder(TableQVW.fieldDefs(), shown), ReadBrowseColumnOrder(path));
    QStringList leftOrder;
    {
        TAddressBrowseForm form(TableQVW, order, shown, settings_.ini(), [this] { ToggleTag(); }, this);
        form.exec();
        leftOrder = form.fieldOrder();
    }
    // A home folder whose system folder went missing still keeps the order.
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    if (!WriteBrowseColumnOrder(path, leftOrder, &error))
        TServices::messages().error(this, error);
    TableQVW.Resync();
    SetButtons();
}

} // namespace quorvel
