// Adding a record: the "New Record" questions, the duplicate warning, city
// and state from the ZIP, carried and default values, and skipping.
#include "app/main_window.h"

#include "store/address_display_date.h"
#include "app/new_record_dialog.h"
#include "store/cp1252.h"
#include "ui/centring.h"
#include "ui/data_field_box.h"
#include "ui/services.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace quorvel {

namespace {

// Puts the engine back as it was after a look-up, whatever the look-up
// did: exact setting, order and record (failures to go back are ignored).
class TLookupGuard {
public:
    TLookupGuard(TDataset& dataset, xbase::TApolloEnv& env, bool exact)
        : dataset_(dataset), env_(env), recNo_(dataset.RecNo()), order_(dataset.Order()), exact_(env.sx_GetExact())
    {
        env_.sx_SetExact(exact);
    }
    ~TLookupGuard()
    {
        env_.sx_SetExact(exact_);
        dataset_.SetOrder(order_);
        if (returnToRecord_)
            dataset_.GoTo(recNo_);
        dataset_.Resync();
    }
    TLookupGuard(const TLookupGuard&) = delete;
    TLookupGuard& operator=(const TLookupGuard&) = delete;

    void stayOnFound() { returnToRecord_ = false; }

private:
    TDataset& dataset_;
    xbase::TApolloEnv& env_;
    std::uint32_t recNo_;
    QString order_;
    bool exact_;
    bool returnToRecord_ = true;
};

QString paddedOrCut(const QString& text, int width) { return text.leftJustified(width, QLatin1Char(' '), true); }

// Seeks a key typed by the user; false when it cannot even be written in
// the table's code page (then no record can hold it).
bool seekTyped(xbase::TApollo& engine, const QString& key)
{
    const TCp1252Encoding encoded = toCp1252(key);
    return encoded.ok() && engine.sx_Seek(encoded.bytes.toStdString());
}

} // namespace

void TAddressMain::AddButtonClick()
{
    if (!TableQVW.Active() || TableQVW.isEditing())
        return;
    controls_.PageControl->setCurrentWidget(controls_.AddressPage);
    takeCarriedValues();
    QString lastName, firstName, zip, city, state;
    if (!askNewRecord(lastName, firstName, zip))
        return;
    if (preferences_.adding.plugCityState && !zip.isEmpty())
        FillCityState(zip, city, state);
    if (!CheckDupName(firstName, lastName)) {
        SetButtons();
        return;
    }
    loadingRecordArea_ = true;
    controls_.MemoBox->clear();
    loadingRecordArea_ = false;
    if (!TableQVW.Insert()) {
        TServices::messages().error(this, TableQVW.lastError());
        return;
    }
    fillNewRecord(lastName, firstName, zip, city, state);
    SetButtons();
    focusFirstNewRecordBox();
    SetSkipFields(true);
}

void TAddressMain::takeCarriedValues()
{
    const auto value = [this](const char* field) { return TableQVW.FieldAsString(QString::fromLatin1(field)); };
    carried_ = {value("ORG"),   value("STREET"), value("STREET2"), value("CITY"),
                value("STATE"), value("ZIP"),    QString()};
    if (preferences_.adding.carryCountry)
        carried_.country = value("COUNTRY");
}

bool TAddressMain::askNewRecord(QString& lastName, QString& firstName, QString& zip)
{
    const TAddingPreferences& adding = preferences_.adding;
    if (!adding.plugCityState && !adding.autoDupCheck)
        return true;
    TNewRecordRequest request;
    request.askNames = adding.autoDupCheck;
    request.askZip = adding.plugCityState;
    request.lastNameWidth = TableQVW.FieldWidth(u"LNAME");
    request.firstNameWidth = TableQVW.FieldWidth(u"FNAME");
    request.zipWidth = TableQVW.FieldWidth(u"ZIP");
    TGetFirstLastZip dialog(request, this);
    centreWindow(&dialog, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    lastName = dialog.lastName();
    firstName = dialog.firstName();
    zip = dialog.zip();
    return true;
}

bool TAddressMain::CheckDupName(const QString& firstName, const QString& lastName)
{
    if (firstName.isEmpty() || lastName.isEmpty())
        return true;
    TLookupGuard guard(TableQVW, ApolloEnv1, true);
    const QString key =
        (paddedOrCut(lastName, TableQVW.FieldWidth(u"LNAME")) + paddedOrCut(firstName, TableQVW.FieldWidth(u"FNAME")))
            .toUpper();
    if (!TableQVW.SetOrder(QStringLiteral("LNAME")) || !seekTyped(Apollo1, key))
        return true;
    TableQVW.Resync();
    QApplication::beep();
    const auto field = [this](const char* name) { return TableQVW.FieldAsString(QString::fromLatin1(name)); };
    const QString question = QStringLiteral("Possible duplicate: \r\n\r\n") + field("FNAME") + QLatin1Char(' ')
                             + field("LNAME") + QStringLiteral("\r\n") + field("STREET") + QStringLiteral("\r\n")
                             + field("CITY") + QLatin1Char(',') + field("STATE") + QLatin1Char(' ') + field("ZIP")
                             + QStringLiteral("\r\n\r\nContinue adding?");
    if (TServices::messages().question(this, question, QStringLiteral("Possible Duplicate"), TAnswer::No))
        return true;
    guard.stayOnFound();
    return false;
}

bool TAddressMain::FillCityState(const QString& zip, QString& city, QString& state)
{
    TLookupGuard guard(TableQVW, ApolloEnv1, false);
    if (!TableQVW.SetOrder(QStringLiteral("ZIP")) || !seekTyped(Apollo1, zip.toUpper()))
        return false;
    TableQVW.Resync();
    city = TableQVW.FieldAsString(u"CITY");
    state = TableQVW.FieldAsString(u"STATE");
    return true;
}

void TAddressMain::setNewField(const QString& field, const QString& value)
{
    // Carried values come from this file and fit; a default country from
    // the settings may be longer than this file's field.
    const int width = TableQVW.FieldWidth(field);
    TableQVW.SetFieldAsString(field, width > 0 ? value.left(width) : value);
}

void TAddressMain::fillNewRecord(const QString& lastName, const QString& firstName, const QString& zip,
                                 const QString& city, const QString& state)
{
    const TAddingPreferences& adding = preferences_.adding;
    const auto set = [this](const char* field, const QString& value) { setNewField(QString::fromLatin1(field), value); };
    if (!firstName.isEmpty())
        set("FNAME", firstName);
    if (!lastName.isEmpty())
        set("LNAME", lastName);
    if (!zip.isEmpty())
        set("ZIP", zip);
    if (!city.isEmpty())
        set("CITY", city);
    if (!state.isEmpty())
        set("STATE", state);
    if (zip.isEmpty() && adding.carryZip)
        set("ZIP", carried_.zip);
    if (city.isEmpty() && adding.carryCity)
        set("CITY", carried_.city);
    if (state.isEmpty() && adding.carryState)
        set("STATE", carried_.state);
    if (adding.carryCountry)
        set("COUNTRY", carried_.country);
    if (adding.carryStreet)
        set("STREET", carried_.street);
    if (adding.carryStreet2)
        set("STREET2", carried_.street2);
    if (carried_.country.isEmpty() && !adding.defaultCountry.isEmpty())
        set("COUNTRY", adding.defaultCountry);
    if (adding.plugDate)
        set("DATE", storedDateText(today_()));
    if (adding.carryOrg)
        set("ORG", carried_.org);
}

void TAddressMain::focusFirstNewRecordBox()
{
    const TAddingPreferences& adding = preferences_.adding;
    const auto box = [this](const char* field) { return controls_.box(QString::fromLatin1(field)); };
    if (!adding.skipLastName && TableQVW.FieldAsString(u"LNAME").isEmpty()) {
        box("LNAME")->setFocus();
        return;
    }
    if (!adding.skipFirstName && TableQVW.FieldAsString(u"FNAME").isEmpty()) {
        box("FNAME")->setFocus();
        return;
    }
    const std::pair<bool, const char*> candidates[] = {
        {adding.skipMiddle, "MIDDLE"}, {adding.skipPrefix, "PREFIX"}, {adding.skipTitle, "TITLE"}, {adding.skipOrg, "ORG"}};
    for (const auto& [skipped, field] : candidates) {
        if (!skipped) {
            box(field)->setFocus();
            return;
        }
    }
    box("STREET")->setFocus();
}

QList<QWidget*> TAddressMain::skippedControls() const
{
    QList<QWidget*> skipped;
    for (const TAddingFlag& flag : skipFlags()) {
        if (!(preferences_.adding.*(flag.member)))
            continue;
        if (QString(flag.field).isEmpty())
            skipped.append(controls_.DateButton);
        else if (TDataFieldBox* box = controls_.box(QString(flag.field)))
            skipped.append(box);
    }
    return skipped;
}

void TAddressMain::SetSkipFields(bool skipping)
{
    if (skipping == skipping_)
        return;
    skipping_ = skipping;
    // Skipped boxes keep taking clicks; only the tab key passes them over.
    for (TDataFieldBox* box : controls_.fieldBoxes)
        box->setFocusPolicy(Qt::StrongFocus);
    controls_.DateButton->setFocusPolicy(Qt::TabFocus);
    if (!skipping)
        return;
    for (QWidget* control : skippedControls())
        control->setFocusPolicy(control == controls_.DateButton ? Qt::NoFocus : Qt::ClickFocus);
}

} // namespace quorvel
