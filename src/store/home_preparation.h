#pragma once

#include "store/home_folder.h"

#include <QString>
#include <QStringList>

namespace quorvel {

// What making the home folder ready came to.
struct THomePreparation {
    // Set when a folder could not be made or a supplied file not copied:
    // nothing can work then.
    QString failure;
    // The texts of a supplied table that could not be built. Only the label
    // designer and the state/ZIP check miss it, so callers go on.
    QStringList tableProblems;

    explicit operator bool() const { return failure.isEmpty(); }
};

// Makes `home` ready as every start of the program does, whichever front
// end starts it: the root, "DATA/" and "sysdata/" are made where missing,
// the supplied files are copied in on a first start, and the label stock
// and state/ZIP tables are built from their supplied text when missing.
// Nothing already there is overwritten.
THomePreparation PrepareHomeFolder(THomeFolder& home);

} // namespace quorvel
