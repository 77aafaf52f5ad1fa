// Main window commands that open a small dialog: the record's date, the
// clipboard copy and the preferences.
#include "app/main_window.h"

#include "app/copy_record_dialog.h"
#include "app/date_selector.h"
#include "store/address_display_date.h"
#include "app/record_clipboard_text.h"
#include "app/startup.h"
#include "ui/centring.h"
#include "ui/services.h"

#include <QClipboard>
#include <QGuiApplication>

namespace quorvel {

void TAddressMain::DateButtonClick()
{
    // The selector opens on the stored date itself: reading the shown text
    // back under another pattern could swap day and month.
    const std::optional<QDate> stored = parseStoredDate(TableQVW.FieldAsString(u"DATE"));
    TDateSelector selector(stored.value_or(today_()), today_(), this);
    centreWindow(&selector, this);
    selector.exec();
    switch (selector.choice()) {
    case TDateSelector::TChoice::Date: setRecordDate(storedDateText(selector.selectedDate())); break;
    case TDateSelector::TChoice::NoDate: setRecordDate(QString()); break;
    case TDateSelector::TChoice::Cancelled: break;
    }
    SetButtons();
}

void TAddressMain::setRecordDate(const QString& stored)
{
    if (!ensureEditing())
        return;
    if (!TableQVW.SetFieldAsString(u"DATE", stored))
        TServices::messages().error(this, TableQVW.lastError());
}

void TAddressMain::CopyToClipboardClick()
{
    if (!TableQVW.Active() || TableQVW.IsEmpty())
        return;
    TCopyToClipboard dialog(this);
    centreWindow(&dialog, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString text = recordClipboardText([this](const QString& field) { return TableQVW.FieldAsString(field); },
                                             dialog.groups());
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
    TServices::messages().information(this, QStringLiteral("Record copied to Windows Clipboard"));
}

void TAddressMain::PreferencesMenuClick()
{
    preferences_ = runPreferences(this, settings_);
    TableQVW.setGlobalTagId(preferences_.globalTagId);
    SetButtons();
}

} // namespace quorvel
