#pragma once

#include <QString>
#include <QStringList>

namespace quorvel {

// The outcome of an operation on a table file. `messages` are the program's
// texts for the user, in the order they are to be shown, each in its own
// information box; `detail` is the technical reason (the engine's words),
// for a command-line caller or a second line. The store shows nothing
// itself: it has no windows.
struct TTableResult {
    bool ok = false;
    QStringList messages;
    QString detail;

    explicit operator bool() const { return ok; }

    static TTableResult success() { return TTableResult{true, {}, {}}; }
    static TTableResult failure(QStringList texts, QString why = {})
    {
        return TTableResult{false, std::move(texts), std::move(why)};
    }
};

} // namespace quorvel
