#pragma once

#include <QString>

#include <span>

class QWidget;

namespace quorvel {

// A box of the record area: the field it shows, its caption and its
// "What's this?" text.
struct TBoxSpec {
    QString field;
    QString caption;
    QString whatsThis;
};

// The name panel, in tab order.
std::span<const TBoxSpec> nameBoxSpecs();
// The address page, in tab order.
std::span<const TBoxSpec> addressBoxSpecs();
// The row of a field's box on the address page.
int addressBoxRow(const QString& field);

// Commands whose windows this program does not have yet stay disabled
// whatever the record rules say.
void markWithoutWindow(QWidget* control);
bool hasWindow(const QWidget* control);

} // namespace quorvel
