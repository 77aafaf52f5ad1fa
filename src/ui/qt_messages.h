#pragma once

#include "ui/messages.h"

namespace quorvel {

// The message boxes the user sees.
class TQtMessages : public TMessages {
public:
    TAnswer show(QWidget* parent, const TMessage& message) override;
};

// The text as a message box shows it: the program writes Windows line
// breaks, a label wants "\n".
QString displayText(const QString& text);

} // namespace quorvel
