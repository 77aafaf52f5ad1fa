#include "ui/scripted_messages.h"

namespace quorvel {

TAnswer TScriptedMessages::show(QWidget* /*parent*/, const TMessage& message)
{
    shown_.append(message);
    if (message.kind != TMessageKind::Question)
        return TAnswer::Ok;
    return answers_.isEmpty() ? message.defaultAnswer : answers_.dequeue();
}

} // namespace quorvel
