#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

namespace metafile_test {

// Small sound metafiles of every kind of record the players know, named as
// their files in the fuzz corpus.
std::vector<std::pair<QString, QByteArray>> SeedMetafiles();

} // namespace metafile_test
