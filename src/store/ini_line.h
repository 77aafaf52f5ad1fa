#pragma once

#include <QString>
#include <QStringView>

namespace quorvel {

// What one line of a settings file is, once its terminator is removed.
struct TIniLine {
    enum class Kind { Blank, Comment, Section, Key, Unreadable };

    Kind kind = Kind::Blank;
    QString name; // section name or key, trimmed
    QString value; // key value, trimmed, one pair of enclosing quotes removed
};

TIniLine parseIniLine(QStringView line);

// The line without its "\n" or "\r\n".
QStringView withoutTerminator(QStringView line);

} // namespace quorvel
