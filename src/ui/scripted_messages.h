#pragma once

#include "ui/messages.h"

#include <QList>
#include <QQueue>

namespace quorvel {

// Messages for tests: nothing is shown, every message is recorded, and
// questions take their answers from a queue (the default button when the
// queue is empty).
class TScriptedMessages : public TMessages {
public:
    TAnswer show(QWidget* parent, const TMessage& message) override;

    void setNextAnswer(TAnswer answer) { answers_.enqueue(answer); }
    // Counted instead of sounded.
    void beep() override { ++beeps_; }
    int beeps() const { return beeps_; }

    const QList<TMessage>& shown() const { return shown_; }
    // The text of the last message, or empty.
    QString lastText() const { return shown_.isEmpty() ? QString() : shown_.last().text; }
    void clear() { shown_.clear(); }

private:
    QList<TMessage> shown_;
    QQueue<TAnswer> answers_;
    int beeps_ = 0;
};

} // namespace quorvel
