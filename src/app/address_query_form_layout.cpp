// "Address Filter": its controls. Each query box sits where the main window
// shows the same field, so that the form reads like the record it filters.
#include "app/address_query_form.h"

#include "app/dialog_controls.h"
#include "ui/help.h"
#include "ui/whats_this.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel {

namespace {

// Boxes and labels sit this much lower than in the main window, below the
// name panel for the fields of the address page.
constexpr int kTopOffset = 25;
constexpr int kReverseGap = 10;
constexpr int kMargin = 10;

const char* const kDateHint = "Note: enter dates in the form: YYYYMMDD\r(i.e. 19970428 for April 28, 1997)";
const char* const kFixedHint =
    "Hint: to look for only part of a value, first type in a $ and then the value to look for. As an example, to "
    "find all records containing the code letter C in the Codes field, type in $C. Right click on any field or "
    "press HELP for more helpful tips";

// A hint as the screen shows it: the line break of the text is a CR.
QString shownHint(const char* text)
{
    return QString::fromLatin1(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// Where a control of the main window sits, moved down by the offsets.
class TMainWindowPlaces {
public:
    explicit TMainWindowPlaces(const QWidget* mainWindow) : mainWindow_(mainWindow)
    {
        const QWidget* namePanel = find(QStringLiteral("NamePanel"));
        namePanelHeight_ = namePanel ? namePanel->height() : 0;
    }

    const QWidget* find(const QString& name) const { return mainWindow_->findChild<QWidget*>(name); }

    // The place of the named control, or `fallback` when the main window
    // has no such control.
    QRect placeOf(const QString& name, const QRect& fallback) const
    {
        const QWidget* source = find(name);
        if (!source)
            return fallback;
        const bool onNamePanel = source->parentWidget() && source->parentWidget()->objectName() == u"NamePanel";
        return source->geometry().translated(0, kTopOffset + (onNamePanel ? 0 : namePanelHeight_));
    }

private:
    const QWidget* mainWindow_;
    int namePanelHeight_ = 0;
};

QString mainBoxName(TFilterBox box)
{
    return box == TFilterBox::fbDate ? QStringLiteral("DisplayDateEdit") : filterBoxName(box) + QStringLiteral("Edit");
}

// The main window labels its date with the "Date" button.
QString mainLabelName(TFilterBox box)
{
    return box == TFilterBox::fbDate ? QStringLiteral("DateButton") : filterBoxName(box) + QStringLiteral("Label");
}

QString mainCaption(const TMainWindowPlaces& places, TFilterBox box)
{
    const QWidget* source = places.find(mainLabelName(box));
    if (const auto* label = qobject_cast<const QLabel*>(source))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(source))
        return button->text();
    return filterBoxName(box);
}

QString queryWhatsThis(TFilterBox box, const QString& caption)
{
    if (box == TFilterBox::fbDate)
        return QStringLiteral("Shows only the records with this date, typed as YYYYMMDD (19970428 for April 28, "
                              "1997). Type >19970101 for the records dated after January 1, 1997; <, <= and >= "
                              "compare the same way.");
    QString text = QStringLiteral("Shows only the records whose %1 begins with what you type here, in capitals or "
                                  "not. Type $ first to find the text anywhere in the field, and >, >=, < or <= "
                                  "to compare. Separate alternatives with ; (JONES;BAKER), values that must all "
                                  "match with +, and put ^ before a value that must not match.")
                       .arg(caption.trimmed());
    if (box == TFilterBox::fbCity)
        text += QStringLiteral(" The city is followed by the state, so a city typed in full with its state matches "
                               "only that state's city.");
    return text;
}

} // namespace

void TAddressQueryForm::createControls(const QWidget* mainWindow)
{
    setObjectName(QStringLiteral("AddressQueryForm"));
    setWindowTitle(QStringLiteral("Address Filter"));
    setProperty("helpContext", help_context::kAddressFilter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createQueryArea(mainWindow));
    HintLabel = makeLabel(QString::fromLatin1(kFixedHint), QStringLiteral("HintLabel"), this);
    HintLabel->setWordWrap(true);
    setWhatsThisText(HintLabel, QStringLiteral("How to look for part of a value."));
    layout->addWidget(HintLabel);
    createButtons();
}

QWidget* TAddressQueryForm::createQueryArea(const QWidget* mainWindow)
{
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("QueryArea"));
    const TMainWindowPlaces places(mainWindow);
    QRect used;
    const auto place = [&used](QWidget* control, const QRect& where) {
        control->setGeometry(where);
        used |= where;
    };
    for (int i = 0; i < kFilterBoxCount; ++i) {
        const auto which = static_cast<TFilterBox>(i);
        const QString name = filterBoxName(which);
        const QString caption = mainCaption(places, which);
        // Without the main window's box, one row a box down the left.
        const QRect row(kMargin + 110, kTopOffset + i * 28, 200, 24);
        QLabel* label = makeLabel(caption, name + QStringLiteral("QueryLabel"), area);
        place(label, places.placeOf(mainLabelName(which), row.translated(-110, 0).adjusted(0, 0, -100, 0)));
        QLineEdit* query = makeLineEdit(name + QStringLiteral("Query"), 0, area, queryWhatsThis(which, caption));
        label->setBuddy(query);
        place(query, places.placeOf(mainBoxName(which), row));
        boxes_[static_cast<std::size_t>(i)] = query;
    }
    QLineEdit* date = box(TFilterBox::fbDate);
    date->setToolTip(shownHint(kDateHint));
    date->installEventFilter(this);
    DateFormatLabel = makeLabel(QStringLiteral("(YYYYMMDD)"), QStringLiteral("DateFormatLabel"), area);
    place(DateFormatLabel, QRect(date->x(), date->geometry().bottom() + 2, date->width(), date->height()));
    DateFormatLabel->hide();

    TaggedCheck = new QCheckBox(QStringLiteral("Tagged"), area);
    TaggedCheck->setObjectName(QStringLiteral("TaggedCheck"));
    setWhatsThisText(TaggedCheck, QStringLiteral("Shows only the tagged records."));
    const QRect tagged = places.placeOf(QStringLiteral("TaggedCheck"), QRect(kMargin, used.bottom() + 8, 0, 24));
    place(TaggedCheck, QRect(tagged.topLeft(), QSize(TaggedCheck->sizeHint().width(), tagged.height())));
    ReverseCheck = new QCheckBox(QStringLiteral("Reverse"), area);
    ReverseCheck->setObjectName(QStringLiteral("ReverseCheck"));
    setWhatsThisText(ReverseCheck,
                     QStringLiteral("Shows the records the rest of the filter leaves out instead of those it selects."));
    place(ReverseCheck, QRect(TaggedCheck->geometry().right() + 1 + kReverseGap, TaggedCheck->y(),
                              ReverseCheck->sizeHint().width(), TaggedCheck->height()));
    area->setMinimumSize(used.right() + kMargin, used.bottom() + kMargin);
    return area;
}

void TAddressQueryForm::createButtons()
{
    MatchesLabel = makeLabel(QString(), QStringLiteral("MatchesLabel"), this);
    setWhatsThisText(MatchesLabel, QStringLiteral("How many records the filter selected at the last test."));
    TestButton = makeButton(QStringLiteral("Test"), QStringLiteral("TestButton"), this,
                            QStringLiteral("Applies the filter and shows how many records it selects."));
    ClearButton = makeButton(QStringLiteral("Clear"), QStringLiteral("ClearButton"), this,
                             QStringLiteral("Empties every box and both check boxes, then tests."));
    OKButton = makeButton(QStringLiteral("Ok"), QStringLiteral("OKButton"), this,
                          QStringLiteral("Keeps this filter and closes the window."));
    CancelButton = makeButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this,
                              QStringLiteral("Puts back the filter you had before and closes the window."));
    HelpButton = makeHelpButton(this, help_context::kAddressFilter);
    OKButton->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addWidget(MatchesLabel, 1);
    for (QPushButton* button : {TestButton, ClearButton, OKButton, CancelButton, HelpButton})
        row->addWidget(button);
    qobject_cast<QVBoxLayout*>(layout())->addLayout(row);
}

} // namespace quorvel
