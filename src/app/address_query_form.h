#pragma once

#include "store/filter_apply.h"
#include "store/filter_state.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quorvel {

// "Address Filter": one query box per filtered field, laid out where the
// main window shows that field, the "Tagged" and "Reverse" switches, and a
// Test that shows how many records the filter selects.
//
// The form works on the main window's filter state: Test copies the boxes
// into it and runs `test`, which applies it (showing any refusal) and says
// what it selected. What the state becomes when the form closes is the
// caller's to decide, from typedState() or rememberedState().
class TAddressQueryForm : public QDialog {
    Q_OBJECT
public:
    using TTestFunction = std::function<TFilterOutcome()>;

    // `mainWindow` is the parent, and the window whose field boxes give the
    // query boxes their places (found by object name).
    TAddressQueryForm(TFilterState& state, TTestFunction test, QWidget* mainWindow);

    // The boxes and switches as they are now; the expression is left for
    // the next build.
    TFilterState typedState() const;
    // The filter state as it was when the form opened.
    const TFilterState& rememberedState() const { return remembered_; }

    void TestButtonClick();
    void ClearButtonClick();
    void OKButtonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout (address_query_form_layout.cpp)
    void createControls(const QWidget* mainWindow);
    QWidget* createQueryArea(const QWidget* mainWindow);
    void createButtons();

    void connectControls();
    void showState(const TFilterState& state);
    void keepWindows1252(int boxIndex, const QString& text);
    QLineEdit* box(TFilterBox which) const { return boxes_[static_cast<std::size_t>(which)]; }

    TFilterState& state_;
    const TFilterState remembered_;
    TTestFunction test_;
    // A test refused the filter with a message (too complex): Ok stays so
    // that the user can simplify what was typed.
    bool lastTestRefused_ = false;
    // What each box held last that the table can store.
    std::array<QString, kFilterBoxCount> accepted_;

    std::array<QLineEdit*, kFilterBoxCount> boxes_{};
    QCheckBox* TaggedCheck = nullptr;
    QCheckBox* ReverseCheck = nullptr;
    QLabel* DateFormatLabel = nullptr;
    QLabel* HintLabel = nullptr;
    QLabel* MatchesLabel = nullptr;
    QPushButton* TestButton = nullptr;
    QPushButton* ClearButton = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
};

} // namespace quorvel
