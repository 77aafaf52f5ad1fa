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

// A "Help" button that opens `context`.
QPushButton* makeHelpButton(QWidget* parent, int context);

} // namespace quorvel
