#include "app/address_query_form.h"

#include "store/cp1252.h"
#include "ui/services.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace quorvel {

TAddressQueryForm::TAddressQueryForm(TFilterState& state, TTestFunction test, QWidget* mainWindow)
    : QDialog(mainWindow), state_(state), remembered_(state), test_(std::move(test))
{
    createControls(mainWindow);
    connectControls();
    showState(state);
}

void TAddressQueryForm::connectControls()
{
    connect(TestButton, &QPushButton::clicked, this, &TAddressQueryForm::TestButtonClick);
    connect(ClearButton, &QPushButton::clicked, this, &TAddressQueryForm::ClearButtonClick);
    connect(OKButton, &QPushButton::clicked, this, &TAddressQueryForm::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    for (int i = 0; i < kFilterBoxCount; ++i) {
        connect(boxes_[static_cast<std::size_t>(i)], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { keepWindows1252(i, text); });
    }
}

void TAddressQueryForm::showState(const TFilterState& state)
{
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        accepted_[i] = state.values[i];
        boxes_[i]->setText(state.values[i]);
    }
    TaggedCheck->setChecked(state.taggedOnly);
    ReverseCheck->setChecked(state.reverse);
}

TFilterState TAddressQueryForm::typedState() const
{
    TFilterState typed;
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        typed.values[i] = boxes_[i]->text();
    typed.taggedOnly = TaggedCheck->isChecked();
    typed.reverse = ReverseCheck->isChecked();
    return typed;
}

void TAddressQueryForm::TestButtonClick()
{
    MatchesLabel->setText(QStringLiteral("Searching..."));
    MatchesLabel->repaint();
    state_ = typedState();
    const TFilterOutcome outcome = test_();
    lastTestRefused_ = !outcome.message.isEmpty();
    MatchesLabel->setText(filterTestSummary(state_, outcome));
}

void TAddressQueryForm::ClearButtonClick()
{
    showState(TFilterState());
    TestButtonClick();
}

void TAddressQueryForm::OKButtonClick()
{
    TestButtonClick();
    // A filter that selects nothing has been dropped and the form may
    // close on "No filter set"; one that was refused stays on screen with
    // what was typed, to be simplified.
    if (lastTestRefused_) {
        QApplication::beep();
        return;
    }
    accept();
}

// Address files hold Windows-1252 text; a character outside it could never
// match, so it is refused as it is typed, the rest of the box kept.
void TAddressQueryForm::keepWindows1252(int boxIndex, const QString& text)
{
    const auto index = static_cast<std::size_t>(boxIndex);
    const TCp1252Encoding encoded = toCp1252(text);
    if (encoded.ok()) {
        accepted_[index] = text;
        return;
    }
    QLineEdit* edit = boxes_[index];
    const int cursor = edit->cursorPosition();
    const auto typedLength = static_cast<int>(text.size() - accepted_[index].size());
    edit->setText(accepted_[index]);
    edit->setCursorPosition(std::max(0, cursor - std::max(0, typedLength)));
    TServices::messages().error(this, encoded.message);
}

bool TAddressQueryForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == box(TFilterBox::fbDate)) {
        if (event->type() == QEvent::FocusIn)
            DateFormatLabel->show();
        else if (event->type() == QEvent::FocusOut)
            DateFormatLabel->hide();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quorvel
