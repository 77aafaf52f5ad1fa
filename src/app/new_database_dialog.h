#pragma once

#include "store/field_lengths.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvel {

class TSettings;

// "Create new database": the name of a new address file and, through
// "Specify Field Lengths", the widths of its fields. The widths are read
// from the settings when it opens.
class TNewDataBaseName : public QDialog {
    Q_OBJECT
public:
    TNewDataBaseName(TSettings& settings, const QString& proposal, QWidget* parent = nullptr);

    QString name() const;
    const TNewFileFieldLengths& fieldLengths() const { return lengths_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createButtons();
    void NameEditChange();
    void FieldLengthsButtonClick();

    TSettings& settings_;
    TNewFileFieldLengths lengths_;
    QLineEdit* NameEdit = nullptr;
    QLabel* InvalidNameLabel = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* FieldLengthsButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
};

} // namespace quorvel
