#pragma once

#include <QStringList>

#include <functional>

namespace design {

// Breaks each line into lines no wider than `width`, greedily, between words
// at blanks, and inside a word only when the word alone is wider. The line
// breaks already in the text stay; an empty line stays an empty line.
QStringList WrapLines(const QStringList& lines, int width, const std::function<int(const QString&)>& textWidth);

} // namespace design
