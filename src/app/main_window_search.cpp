// The main window's searches: "Search" by the start of a key in a chosen
// order, and the memo search with "Find &Next".
#include "app/main_window.h"

#include "app/search_box.h"
#include "app/searching_window.h"
#include "store/search_memo.h"
#include "store/search_seek.h"
#include "ui/centring.h"
#include "ui/services.h"

#include <QApplication>
#include <QPushButton>

namespace quorvel {

namespace {

bool browsing(const TDataset& dataset) { return dataset.Active() && !dataset.isEditing() && !dataset.IsEmpty(); }

} // namespace

void TAddressMain::SearchClick()
{
    if (!browsing(TableQVW)) {
        QApplication::beep();
        return;
    }
    TSearchBox box(currentOrderName_, this);
    centreWindow(&box, this);
    if (box.exec() != QDialog::Accepted || box.searchText().isEmpty())
        return;
    SetOrderTo(box.orderName());
    SeekStartingWith(Apollo1, ApolloEnv1, box.searchText());
    // The seek moved the engine; the dataset and the window follow it.
    TableQVW.GoTo(Apollo1.sx_RecNo());
    SetButtons();
}

void TAddressMain::SearchMemoClick()
{
    if (!browsing(TableQVW)) {
        QApplication::beep();
        return;
    }
    const std::optional<QString> text = TServices::dialogs().inputText(
        this, {QStringLiteral("Memo Search"), QStringLiteral("Search For"), memoSearchText_});
    if (!text)
        return;
    memoFound_ = false;
    memoSearchText_ = *text;
    findInMemos(TMemoSearchStart::msFirstRecord);
}

void TAddressMain::FindNextClick()
{
    if (!browsing(TableQVW) || !memoFound_) {
        QApplication::beep();
        return;
    }
    findInMemos(TMemoSearchStart::msNextRecord);
}

void TAddressMain::findInMemos(TMemoSearchStart start)
{
    TQVWSearching searching(TableQVW, memoSearchText_, start, this);
    centreWindow(&searching, this);
    searching.exec();
    memoFound_ = searching.found();
    if (!memoFound_)
        QApplication::beep();
    SetButtons();
}

} // namespace quorvel
