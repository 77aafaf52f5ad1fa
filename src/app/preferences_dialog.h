#pragma once

#include "store/preferences.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace quorvel {

class TSettings;

// "Preferences": how new records are entered and how often the address file
// is saved. Loads the settings when it opens; "Ok" writes them all,
// "Cancel" writes nothing.
class TPreferences : public QDialog {
    Q_OBJECT
public:
    explicit TPreferences(TSettings& settings, QWidget* parent = nullptr);

private:
    struct TFlagBox {
        const TAddingFlag* flag;
        QCheckBox* box;
    };

    void OKButtonClick();
    void HelpButtonClick();

    QGroupBox* createFlagGroup(const QString& caption, const QString& name, std::span<const TAddingFlag> flags,
                               int columns);
    QWidget* createAddingPanel();
    QWidget* createButtons();
    void loadValues();
    TAddingPreferences chosenValues() const;

    TSettings& settings_;
    QList<TFlagBox> flagBoxes_;
    QLineEdit* DefaultCountryEdit = nullptr;
    QComboBox* AggressiveSaveCombo = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
};

} // namespace quorvel
