// "Print Report": the short help each control offers as "What's this?".
#include "reports/windows/report_setup.h"
#include "ui/whats_this.h"

#include <QWidget>

namespace reports {

namespace {

struct TControlHelp {
    const char* objectName;
    const char* text;
};

constexpr TControlHelp kControlHelp[] = {
    { "ReportTitleEdit", "The title printed at the top of every page of a built-in report." },
    { "ReportList", "The built-in list reports. Each prints the records in name or organization order, one line "
                    "per record (the fourth takes several lines)." },
    { "PrintMemoCheck", "Prints each record's memo below its line, on a light shade." },
    { "PrintCodesCheck", "Prints each record's codes below its line." },
    { "ReportGrid", "The reports you designed yourself. The highlighted one is printed, changed, deleted or "
                    "cloned." },
    { "ModifyButton", "Opens the highlighted report in the report designer." },
    { "NewButton", "Designs a new report." },
    { "DeleteButton", "Deletes the highlighted report and its design." },
    { "CloneButton", "Makes a copy of the highlighted report, named \"Clone of\" and its description." },
    { "rbQAll", "Prints every record of the address file except those marked as deleted." },
    { "rbQFilter", "Prints the records the filter selects. Without a filter this choice is not offered." },
    { "rbOnlyThis", "Prints the record the main window shows, whatever the filter." },
    { "StartCurrentCheck", "Starts with the record the main window shows instead of the first one." },
    { "OnePerPageCheck", "Starts a new page for every record." },
    { "PrintButton", "Asks for the number of copies and the pages, then prints the report." },
    { "PreviewButton", "Shows the report's pages on the screen, where they can be printed too." },
    { "PrinterSetupButton", "Chooses the printer, the paper and its orientation." },
    { "OKButton", "Closes this window." },
    { "HelpButton", "Opens the help page about printing reports." },
};

} // namespace

void TReportSetup::DescribeControls()
{
    for (const TControlHelp& help : kControlHelp)
        if (auto* control = findChild<QWidget*>(QString::fromLatin1(help.objectName)))
            quorvel::setWhatsThisText(control, QString::fromLatin1(help.text));
}

} // namespace reports
