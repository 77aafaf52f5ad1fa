#pragma once

#include "app/hand_over_plan.h"

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace xbase {
class TApollo;
}

namespace quorvel {

class TAddressDataset;
class TAddressMain;
class TDataset;
class THandOverPrinter;

// What a window opened by a hand-over receives.
struct THandOverContext {
    TAddressMain& window;
    // The address file (TableQVW with its engine, Apollo1); closed during
    // the imports, which work on ownTable instead.
    TAddressDataset& addresses;
    // The command's system table (LABEL.DBF and so on), open on its tag and
    // first record; null for commands without one.
    TDataset* systemTable = nullptr;
    // The imports: the address file opened exclusively on a table of the
    // window's own.
    TAddressDataset* ownTable = nullptr;
    // False without a filter: the window offers all records only.
    bool filterChoiceEnabled = true;
    // The older-version import: 0 for 1.x files, 1 for 2.x files.
    int importMode = 0;
    // The dialer: the number to dial.
    QString phoneNumber;
};

// Makes the command's window; it is shown modally, centred over the main
// window, and destroyed when the hand-over is done with it. Null when the
// window cannot be made; the hand-over then restores what it prepared.
using THandOverDialogFactory = std::function<std::unique_ptr<QDialog>(THandOverContext&)>;

// Hands the main window's address file to another window and takes it back:
// the checks and preparations of the command's plan, the window, and the
// steps that restore exactly what was remembered. One object per command run.
class THandOver {
public:
    THandOver(TAddressMain& window, THandOverPrinter& printer);
    ~THandOver();
    THandOver(const THandOver&) = delete;
    THandOver& operator=(const THandOver&) = delete;

    // True when the checks passed and the window was shown.
    bool run(THandOverCommand command, const THandOverDialogFactory& makeDialog);

private:
    bool prepare(const THandOverPlan& plan);
    bool before(TBeforeStep step, const THandOverPlan& plan);
    bool checkStep(TBeforeStep step);
    void rememberStep(TBeforeStep step, const THandOverPlan& plan);
    bool changeStep(TBeforeStep step, const THandOverPlan& plan);
    bool openSystemTable(const THandOverPlan& plan);
    bool openOwnTable(const THandOverPlan& plan);
    void showDialog(const THandOverDialogFactory& makeDialog);
    void restore(const THandOverPlan& plan, bool withPrinter);
    void after(TAfterStep step);
    void afterOnTable(TAfterStep step);
    void setQuery(const QString& query);

    TAddressMain& window_;
    TAddressDataset& addresses_;
    THandOverPrinter& printer_;
    THandOverContext context_;

    // What the steps remembered or changed, so each undo step knows
    // whether it has anything to undo.
    bool changed_ = false;
    bool suspended_ = false;
    bool reactionsOff_ = false;
    bool extraFieldsOn_ = false;
    bool addressClosed_ = false;
    std::optional<QString> printerSelection_;
    std::optional<std::uint32_t> record_;
    std::optional<QString> query_;
    std::optional<QString> folder_;
    QString order_;
    QString path_;

    std::unique_ptr<xbase::TApollo> systemEngine_;
    std::unique_ptr<TDataset> systemTable_;
    std::unique_ptr<xbase::TApollo> ownEngine_;
    std::unique_ptr<TAddressDataset> ownTable_;
    std::unique_ptr<QDialog> dialog_;
};

} // namespace quorvel
