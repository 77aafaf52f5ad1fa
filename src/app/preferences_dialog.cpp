#include "app/preferences_dialog.h"

#include "app/preferences_captions.h"
#include "store/settings.h"
#include "ui/help.h"
#include "ui/services.h"
#include "ui/whats_this.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvel {

namespace {

constexpr int kLevels = 3;

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

TPreferences::TPreferences(TSettings& settings, QWidget* parent) : QDialog(parent), settings_(settings)
{
    setObjectName(QStringLiteral("Preferences"));
    setWindowTitle(QStringLiteral("Preferences"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createAddingPanel());
    layout->addWidget(createFlagGroup(QStringLiteral("Carry forward the following fields:"),
                                      QStringLiteral("CarryGroup"), carryFlags(), 4));
    layout->addWidget(createFlagGroup(QStringLiteral("Skip through the following fields:"),
                                      QStringLiteral("SkipGroup"), skipFlags(), 4));
    layout->addWidget(createButtons());
    loadValues();
}

QWidget* TPreferences::createAddingPanel()
{
    QGroupBox* group = createFlagGroup(QStringLiteral("When adding new records"), QStringLiteral("AddingGroup"),
                                       addingSwitches(), 1);
    auto* form = new QFormLayout;
    DefaultCountryEdit = new QLineEdit(group);
    DefaultCountryEdit->setObjectName(QStringLiteral("DefaultCountryEdit"));
    setWhatsThisText(DefaultCountryEdit, QStringLiteral("The country put into a new record when no country is "
                                                        "carried forward. Leave it empty for none."));
    form->addRow(QStringLiteral("Default Country Name"), DefaultCountryEdit);
    AggressiveSaveCombo = new QComboBox(group);
    AggressiveSaveCombo->setObjectName(QStringLiteral("AggressiveSaveCombo"));
    AggressiveSaveCombo->addItems(
        {QStringLiteral("None"), QStringLiteral("Normal - Every 5 Saves"), QStringLiteral("High - Every Save")});
    setWhatsThisText(AggressiveSaveCombo, QStringLiteral("How often the address file is closed and reopened so that "
                                                         "saved records are safely on disk: never, after every fifth "
                                                         "saved record, or after every saved record."));
    form->addRow(QStringLiteral("Aggressive Saving Level"), AggressiveSaveCombo);
    const int belowSwitches = static_cast<int>(addingSwitches().size());
    qobject_cast<QGridLayout*>(group->layout())->addLayout(form, belowSwitches, 0);
    return group;
}

QGroupBox* TPreferences::createFlagGroup(const QString& caption, const QString& name,
                                         std::span<const TAddingFlag> flags, int columns)
{
    auto* group = new QGroupBox(caption, this);
    group->setObjectName(name);
    auto* grid = new QGridLayout(group);
    int index = 0;
    for (const TAddingFlag& flag : flags) {
        auto* box = new QCheckBox(preferenceCaption(flag.key), group);
        box->setObjectName(QString(flag.key) + QStringLiteral("Check"));
        setWhatsThisText(box, preferenceWhatsThis(flag.key));
        grid->addWidget(box, index / columns, index % columns);
        flagBoxes_.append({&flag, box});
        ++index;
    }
    return group;
}

QWidget* TPreferences::createButtons()
{
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    OKButton = makeButton(QStringLiteral("Ok"), QStringLiteral("OKButton"), panel);
    CancelButton = makeButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), panel);
    HelpButton = makeButton(QStringLiteral("Help"), QStringLiteral("HelpButton"), panel);
    OKButton->setDefault(true);
    setWhatsThisText(OKButton, QStringLiteral("Keeps these settings."));
    setWhatsThisText(CancelButton, QStringLiteral("Closes the window and leaves the settings as they were."));
    setWhatsThisText(HelpButton, QStringLiteral("Explains these settings."));
    row->addStretch();
    row->addWidget(OKButton);
    row->addWidget(CancelButton);
    row->addWidget(HelpButton);
    connect(OKButton, &QPushButton::clicked, this, &TPreferences::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this, &TPreferences::HelpButtonClick);
    return panel;
}

void TPreferences::loadValues()
{
    const TAddingPreferences adding = readAddingPreferences(settings_.ini());
    for (const TFlagBox& item : flagBoxes_)
        item.box->setChecked(adding.*(item.flag->member));
    DefaultCountryEdit->setText(adding.defaultCountry);
    // Any level above the highest saves on every record, like the highest.
    AggressiveSaveCombo->setCurrentIndex(std::clamp(readAggressiveSave(settings_.ini()), 0, kLevels - 1));
}

TAddingPreferences TPreferences::chosenValues() const
{
    TAddingPreferences adding;
    for (const TFlagBox& item : flagBoxes_)
        adding.*(item.flag->member) = item.box->isChecked();
    adding.defaultCountry = DefaultCountryEdit->text();
    return adding;
}

void TPreferences::OKButtonClick()
{
    // Nothing is lost when the file cannot take the values: the dialog
    // stays open with them.
    if (!settings_.savePreferences(chosenValues(), AggressiveSaveCombo->currentIndex())) {
        TServices::messages().error(this, settings_.lastError());
        return;
    }
    accept();
}

void TPreferences::HelpButtonClick() { TServices::help().showTopic(help_context::kPreferences); }

} // namespace quorvel
