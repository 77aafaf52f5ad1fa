#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvel {

// What "New Record" asks before a record is added.
struct TNewRecordRequest {
    bool askNames = false; // duplicate check: last and first name
    bool askZip = false;   // city and state from the ZIP
    int lastNameWidth = 30;
    int firstNameWidth = 30;
    int zipWidth = 10;
};

// "New Record": the names for the duplicate check and the ZIP for the city
// and state, asked before a new record is entered. Page Down, Enter in the
// ZIP box, or tabbing on from the first name when no ZIP is asked, confirm.
class TGetFirstLastZip : public QDialog {
    Q_OBJECT
public:
    explicit TGetFirstLastZip(const TNewRecordRequest& request, QWidget* parent = nullptr);

    QString lastName() const;
    QString firstName() const;
    QString zip() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls(const TNewRecordRequest& request);
    void createButtons();
    bool handleEnter(QObject* watched);

    QLabel* LastNameLabel = nullptr;
    QLineEdit* LastNameEdit = nullptr;
    QLabel* FirstNameLabel = nullptr;
    QLineEdit* FirstNameEdit = nullptr;
    QLabel* ZipLabel = nullptr;
    QLineEdit* ZipEdit = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
};

} // namespace quorvel
