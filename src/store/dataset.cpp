// TDataset: declared fields, opening and closing, states and notifications.
#include "store/dataset.h"

#include "store/dataset_names.h"
#include "xbase/apollo.h"

namespace quorvel {

TDataset::TDataset(xbase::TApollo& engine, QObject* parent) : QObject(parent), engine_(engine) { }

TDataset::~TDataset()
{
    // A pending edit is dropped, never half-written, when the owner goes.
    changes_.clear();
    memoChanges_.clear();
    if (engine_.sx_IsOpen() && state_ != TDataSetState::dsInactive)
        engine_.sx_Close();
}

void TDataset::setStoredFields(std::vector<TFieldDef> fields) { stored_ = std::move(fields); }

void TDataset::setCalculatedFields(std::vector<TFieldDef> fields, TCalcFieldsFunction calculator)
{
    calculated_ = std::move(fields);
    calculator_ = std::move(calculator);
}

std::vector<TFieldDef> TDataset::fieldDefs() const
{
    std::vector<TFieldDef> all = stored_;
    all.insert(all.end(), calculated_.begin(), calculated_.end());
    return all;
}

const TFieldDef* TDataset::findFieldDef(QStringView name) const
{
    for (const auto* list : {&stored_, &calculated_}) {
        for (const TFieldDef& def : *list) {
            if (def.name.compare(name, Qt::CaseInsensitive) == 0)
                return &def;
        }
    }
    return nullptr;
}

void TDataset::setFieldWidth(QStringView name, int width)
{
    for (TFieldDef& def : stored_) {
        if (def.name.compare(name, Qt::CaseInsensitive) == 0)
            def.width = width;
    }
}

void TDataset::setDatabaseName(const QString& folder)
{
    folder_ = folder;
    if (!folder_.isEmpty() && !folder_.endsWith(u'/') && !folder_.endsWith(u'\\'))
        folder_ += u'/';
}

void TDataset::setTableName(const QString& fileName) { tableName_ = fileName; }

bool TDataset::Open()
{
    Close();
    if (!engine_.sx_Use(enginePath(filePath()), exclusive_ ? xbase::OpenMode::Exclusive : xbase::OpenMode::Shared))
        return failFromEngine(QStringLiteral("Unable to open ") + filePath());
    if (!checkFieldsPresent() || !selectOrderAtOpen()) {
        engine_.sx_Close();
        return false;
    }
    takeOverWidths();
    state_ = TDataSetState::dsBrowse;
    First();
    notifyState();
    emit afterOpen();
    return true;
}

bool TDataset::checkFieldsPresent()
{
    for (const TFieldDef& def : stored_) {
        if (engine_.sx_FieldType(engineName(def.name)) == '\0')
            return fail(QStringLiteral("The file has no field ") + def.name);
    }
    return true;
}

bool TDataset::selectOrderAtOpen()
{
    if (indexName_.isEmpty())
        return true;
    const int order = engine_.sx_TagArea(engineName(indexName_));
    if (order == 0)
        return fail(QStringLiteral("The file has no index tag ") + indexName_);
    return engine_.sx_SetOrder(order) || failFromEngine(QStringLiteral("Unable to select the order"));
}

void TDataset::takeOverWidths()
{
    for (TFieldDef& def : stored_)
        def.width = engine_.sx_FieldWidth(engineName(def.name));
}

void TDataset::Close()
{
    if (state_ == TDataSetState::dsInactive)
        return;
    Cancel();
    engine_.sx_Close();
    state_ = TDataSetState::dsInactive;
    bof_ = eof_ = true;
    notifyState();
    emit afterClose();
}

void TDataset::setState(TDataSetState state)
{
    if (state_ == state)
        return;
    state_ = state;
    if (!ControlsDisabled())
        emit stateChanged();
}

void TDataset::notifyState()
{
    if (ControlsDisabled())
        return;
    emit stateChanged();
    emit recordChanged();
}

void TDataset::notifyRecord()
{
    if (!ControlsDisabled())
        emit recordChanged();
}

void TDataset::notifyField(const QString& name)
{
    if (!ControlsDisabled())
        emit fieldChanged(name);
}

void TDataset::DisableControls() { ++disableCount_; }

void TDataset::EnableControls()
{
    if (disableCount_ == 0)
        return;
    if (--disableCount_ == 0)
        notifyState();
}

bool TDataset::fail(const QString& message)
{
    lastError_ = message;
    return false;
}

bool TDataset::failFromEngine(const QString& action)
{
    const std::string& reason = engine_.sx_LastError().message();
    if (reason.empty())
        return fail(action);
    return fail(action + QStringLiteral(": ") + QString::fromStdString(reason));
}

} // namespace quorvel
