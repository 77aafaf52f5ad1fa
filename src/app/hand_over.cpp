#include "app/hand_over.h"

#include "app/hand_over_printer.h"
#include "app/main_window.h"
#include "store/address_dataset.h"
#include "store/address_file.h"
#include "ui/centring.h"
#include "ui/services.h"
#include "xbase/apollo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quorvel {

namespace {

QString noOpenFileText()
{
    return QStringLiteral("You need to have a database file open first");
}
QString noRecordsToCopyText()
{
    return QStringLiteral("No active records for current filter. Nothing to copy");
}
QString cszRemovedText()
{
    return QStringLiteral("The file CSZ.DBF has been removed from the SYSDATA directory. Unable to continue.");
}

} // namespace

THandOver::THandOver(TAddressMain& window, THandOverPrinter& printer)
    : window_(window)
    , addresses_(window.dataset())
    , printer_(printer)
    , context_ { window, window.dataset(), nullptr, nullptr, true, 0, QString() }
{
}

// Whatever happens, the tables opened for the window are closed and the
// window is gone before the main window goes on.
THandOver::~THandOver()
{
    dialog_.reset();
    if (ownTable_)
        ownTable_->Close();
    if (systemTable_)
        systemTable_->Close();
}

bool THandOver::run(THandOverCommand command, const THandOverDialogFactory& makeDialog)
{
    const THandOverPlan& plan = handOverPlan(command);
    order_ = window_.currentOrderName();
    path_ = window_.currentPath();
    context_.importMode = plan.importMode;
    const bool ready = prepare(plan);
    if (ready)
        showDialog(makeDialog);
    // A command that ends early has touched no printer, so the printer is
    // left alone; everything else it changed is put back.
    if (ready || changed_)
        restore(plan, ready);
    window_.SetButtons();
    return ready;
}

bool THandOver::prepare(const THandOverPlan& plan)
{
    for (TBeforeStep step : plan.before) {
        if (!before(step, plan))
            return false;
    }
    return true;
}

bool THandOver::before(TBeforeStep step, const THandOverPlan& plan)
{
    switch (step) {
    case TBeforeStep::bsCheckPrinter:
    case TBeforeStep::bsRequireRecords:
    case TBeforeStep::bsRequireOpenTable:
    case TBeforeStep::bsRequireCsz:
    case TBeforeStep::bsRequireQueryRecords:
        return checkStep(step);
    case TBeforeStep::bsRememberPrinter:
    case TBeforeStep::bsRememberRecord:
    case TBeforeStep::bsRememberQuery:
    case TBeforeStep::bsRememberFolder:
    case TBeforeStep::bsFilterChoice:
    case TBeforeStep::bsTakePhoneNumber:
        rememberStep(step, plan);
        return true;
    default:
        return changeStep(step, plan);
    }
}

bool THandOver::checkStep(TBeforeStep step)
{
    const bool hasRecords = addresses_.Active() && !addresses_.IsEmpty();
    switch (step) {
    case TBeforeStep::bsCheckPrinter:
        return printer_.check(&window_);
    case TBeforeStep::bsRequireRecords:
        return hasRecords;
    case TBeforeStep::bsRequireOpenTable:
        if (!addresses_.Active())
            TServices::messages().information(&window_, noOpenFileText());
        return addresses_.Active();
    case TBeforeStep::bsRequireCsz: {
        const bool present = QFileInfo::exists(window_.home().path(u"sysdata/CSZ.DBF"));
        if (!present)
            TServices::messages().information(&window_, cszRemovedText());
        return present;
    }
    case TBeforeStep::bsRequireQueryRecords:
        if (!hasRecords)
            TServices::messages().information(&window_, noRecordsToCopyText());
        return hasRecords;
    default:
        return true;
    }
}

void THandOver::rememberStep(TBeforeStep step, const THandOverPlan& plan)
{
    switch (step) {
    case TBeforeStep::bsRememberPrinter:
        printerSelection_ = printer_.selection();
        break;
    case TBeforeStep::bsRememberRecord:
        if (addresses_.Active() && !addresses_.IsEmpty())
            record_ = addresses_.RecNo();
        break;
    case TBeforeStep::bsRememberQuery:
        if (addresses_.Active())
            query_ = addresses_.Query();
        break;
    case TBeforeStep::bsRememberFolder:
        folder_ = QDir::currentPath();
        break;
    case TBeforeStep::bsFilterChoice:
        context_.filterChoiceEnabled = window_.filterSet();
        break;
    case TBeforeStep::bsTakePhoneNumber:
        if (addresses_.Active() && !addresses_.IsEmpty())
            context_.phoneNumber = addresses_.FieldAsString(QString(plan.phoneField));
        break;
    default:
        break;
    }
}

bool THandOver::changeStep(TBeforeStep step, const THandOverPlan& plan)
{
    changed_ = true;
    switch (step) {
    case TBeforeStep::bsSuspendControls:
        addresses_.DisableControls();
        suspended_ = true;
        return true;
    case TBeforeStep::bsReactionsOff:
        reactionsOff_ = window_.eventReactions();
        window_.setEventReactions(false);
        return true;
    case TBeforeStep::bsQueryNotDeleted:
        setQuery(QStringLiteral("!ISDEL"));
        return true;
    case TBeforeStep::bsQueryFilterOnly:
        setQuery(window_.filterState().expression);
        return true;
    case TBeforeStep::bsClearQuery:
        setQuery(QString());
        return true;
    case TBeforeStep::bsOpenSystemTable:
        return openSystemTable(plan);
    case TBeforeStep::bsExtraFieldsOn:
        addresses_.SetExtraFields(true);
        extraFieldsOn_ = true;
        return true;
    case TBeforeStep::bsCloseAddressTable:
        addresses_.Close();
        addressClosed_ = true;
        return true;
    case TBeforeStep::bsOpenOwnTable:
        return openOwnTable(plan);
    default:
        return true;
    }
}

void THandOver::setQuery(const QString& query)
{
    if (addresses_.Active())
        addresses_.SetQuery(query);
}

bool THandOver::openSystemTable(const THandOverPlan& plan)
{
    systemEngine_ = std::make_unique<xbase::TApollo>(xbase::TApolloEnv::global());
    systemTable_ = std::make_unique<TDataset>(*systemEngine_);
    const TTableResult opened = OpenSystemTable(*plan.systemTable, *systemTable_, window_.home().sysdataFolder());
    for (const QString& message : opened.messages)
        TServices::messages().information(&window_, message);
    if (!opened.ok)
        return false;
    systemTable_->SetOrder(QString(systemTableInfo(*plan.systemTable).tagName));
    if (!plan.systemTableQuery.isEmpty())
        systemTable_->SetQuery(QString(plan.systemTableQuery));
    systemTable_->First();
    context_.systemTable = systemTable_.get();
    return true;
}

bool THandOver::openOwnTable(const THandOverPlan& plan)
{
    ownEngine_ = std::make_unique<xbase::TApollo>(xbase::TApolloEnv::global());
    ownTable_ = std::make_unique<TAddressDataset>(*ownEngine_);
    // The window shows the fields with the captions the main window uses.
    ownTable_->setStoredFields(addresses_.storedFields());
    ownTable_->setExclusive(true);
    if (!OpenTableFile(path_, *ownTable_).ok) {
        TServices::messages().information(&window_, QString(plan.ownTableError));
        return false;
    }
    context_.ownTable = ownTable_.get();
    return true;
}

void THandOver::showDialog(const THandOverDialogFactory& makeDialog)
{
    dialog_ = makeDialog ? makeDialog(context_) : nullptr;
    if (!dialog_)
        return;
    centreWindow(dialog_.get(), &window_);
    dialog_->exec();
}

void THandOver::restore(const THandOverPlan& plan, bool withPrinter)
{
    for (TAfterStep step : plan.after) {
        if (withPrinter || !isPrinterStep(step))
            after(step);
    }
}

void THandOver::after(TAfterStep step)
{
    switch (step) {
    case TAfterStep::asExtraFieldsOff:
        if (extraFieldsOn_)
            addresses_.SetExtraFields(false);
        break;
    case TAfterStep::asFree:
        dialog_.reset();
        break;
    case TAfterStep::asCloseOwnTable:
        if (ownTable_)
            ownTable_->Close();
        break;
    case TAfterStep::asResumeControls:
        if (suspended_)
            addresses_.EnableControls();
        suspended_ = false;
        break;
    case TAfterStep::asReactionsOn:
        if (reactionsOff_)
            window_.setEventReactions(true);
        reactionsOff_ = false;
        break;
    case TAfterStep::asReleasePrinter:
        printer_.release();
        break;
    case TAfterStep::asRestorePrinter:
        if (printerSelection_)
            printer_.select(*printerSelection_);
        break;
    case TAfterStep::asRestoreFolder:
        if (folder_)
            QDir::setCurrent(*folder_);
        break;
    case TAfterStep::asReopenAddressFile:
        if (addressClosed_ && !path_.isEmpty())
            window_.OpenQVWDBF(path_);
        break;
    case TAfterStep::asApplyFilter:
        window_.ApplyFilter();
        break;
    case TAfterStep::asDeleteDuplicateIndex:
        QFile::remove(window_.home().path(u"_chkdup.idx"));
        break;
    default:
        afterOnTable(step);
        break;
    }
}

// The steps that put the address table back where it was; nothing to do
// when it is not open.
void THandOver::afterOnTable(TAfterStep step)
{
    if (!addresses_.Active())
        return;
    switch (step) {
    case TAfterStep::asRestoreQuery:
        if (query_)
            addresses_.SetQuery(*query_);
        break;
    case TAfterStep::asClearScope:
        addresses_.engine().sx_ClearScope();
        break;
    case TAfterStep::asReturnToRecord:
        if (record_)
            addresses_.GoTo(*record_); // a record gone meanwhile leaves the position as it is
        break;
    case TAfterStep::asRestoreOrder:
        window_.SetCurrentOrder(order_);
        break;
    case TAfterStep::asFirstRecord:
        addresses_.First();
        break;
    default:
        break;
    }
}

} // namespace quorvel
