#pragma once

#include <QString>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quorvel {

// Small builders the record dialogs share, so that every control gets its
// object name and its "What's this?" text in one place.
QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent, const QString& whatsThis);
QLineEdit* makeLineEdit(const QString& name, int maxLength, QWidget* parent, const QString& whatsThis);
QLabel* makeLabel(const QString& caption, const QString& name, QWidget* parent);

// Help contexts of the record dialogs.
namespace record_help {
constexpr int kNewRecord = 1031;
constexpr int kDateSelector = 1032;
constexpr int kCopyToClipboard = 1033;
constexpr int kNewDatabase = 1034;
constexpr int kFieldLengths = 1035;
} // namespace record_help

// A "Help" button that opens `context`.
QPushButton* makeHelpButton(QWidget* parent, int context);

} // namespace quorvel
