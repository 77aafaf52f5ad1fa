#pragma once

#include "app/record_clipboard_text.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace quorvel {

// "Copy Record To Clipboard": which parts of the record to copy.
class TCopyToClipboard : public QDialog {
    Q_OBJECT
public:
    explicit TCopyToClipboard(QWidget* parent = nullptr);

    TClipboardGroups groups() const;

private:
    QCheckBox* addGroupBox(const QString& caption, const QString& name, const QString& whatsThis);

    QCheckBox* NameCheck = nullptr;
    QCheckBox* AddressCheck = nullptr;
    QCheckBox* PhonesCheck = nullptr;
    QCheckBox* CodesCheck = nullptr;
    QCheckBox* CommentsCheck = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
};

} // namespace quorvel
