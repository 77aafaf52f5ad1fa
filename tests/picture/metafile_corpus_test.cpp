// The fuzz corpus of the metafile players starts from our own hand-made
// files; they must stay what the builder makes and must draw.
#include "metafile_seeds.h"

#include "picture/image_metafile.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QString CorpusFolder()
{
    return QDir(QString::fromStdString(testing_support::sourceDir())).filePath(QStringLiteral("fuzz/corpus/metafile"));
}

TEST(MetafileCorpus, SeedsDrawAndMatchTheStoredCorpus)
{
    const bool rewrite = !qEnvironmentVariableIsEmpty("QUORVEL_WRITE_METAFILE_CORPUS");
    for (const auto& [name, bytes] : metafile_test::SeedMetafiles()) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(picture::metafile::RenderDrawing(bytes, QSize(50, 50)).isNull());
        QFile file(QDir(CorpusFolder()).filePath(name));
        if (rewrite) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            continue;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "run with QUORVEL_WRITE_METAFILE_CORPUS=1 to write it";
        EXPECT_EQ(file.readAll(), bytes);
    }
}

} // namespace
