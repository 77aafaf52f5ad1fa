#pragma once

#include <QString>

#include <optional>

namespace output {
class TOutputDialogs;
}

namespace labels {

class TLabelDesign;

// Why a label or envelope run stops before its job: an error (a design or
// query that does not read), or a notice (a design file that is gone, a
// selection without records).
struct TRunRefusal {
    QString message;
    bool error = false;

    // Shows the message as an error or as a notice.
    void Tell(output::TOutputDialogs& dialogs) const;
};

// Reads a run's design file. A missing file (or no path: a name that is
// not plain) is refused with `removedMessage`; a file that does not read
// with the reader's message, as an error, for blank pieces from a design
// that did not read would waste them.
std::optional<TRunRefusal> LoadRunDesign(TLabelDesign& design, const QString& path, const QString& removedMessage);

} // namespace labels
