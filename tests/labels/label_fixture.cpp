#include "labels/label_fixture.h"

#include "store/supplied_tables.h"
#include "store/system_tables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace labels_tests {

namespace {

const char* const kHeader = "DESCRIPT,LBLHEIGHT,LBLWIDTH,NBRACROSS,NBRDOWN,TOPMARG,LEFTMARG,HORIZPITCH,VERTPITCH,"
                            "SHEETWIDTH,SHEETDEPTH,PRINTER,PAPERSIZE,LBLSHAPE,MANUFAC,PRODTYPE,MIDEXTRAX,MIDEXTRAY,ART";

} // namespace

QString LabelFolder::Sysdata() const
{
    const QString folder = QString::fromStdString(dir.path()) + QStringLiteral("/sysdata/");
    QDir().mkpath(folder);
    return folder;
}

void LabelFolder::BuildSuppliedCatalogue()
{
    const QString csv = QString::fromStdString(testing_support::sourceDir()) + QStringLiteral("/data/lbltpl.csv");
    ExpectOk(quorvel::BuildTableFromCsv(quorvel::TSystemTable::stLabelTemplates, csv, PathOf(QStringLiteral("LBLTPL.DBF"))));
}

void LabelFolder::BuildCatalogue(const std::vector<const char*>& rows)
{
    const QString csv = QString::fromStdString(dir.file("catalogue.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray text = QByteArray(kHeader) + '\n';
    for (const char* row : rows)
        text += QByteArray(row) + '\n';
    file.write(text);
    file.close();
    ExpectOk(quorvel::BuildTableFromCsv(quorvel::TSystemTable::stLabelTemplates, csv, PathOf(QStringLiteral("LBLTPL.DBF"))));
}

QStringList LabelFolder::Descriptions()
{
    QStringList names;
    for (bool more = dataset.First(); more; more = dataset.Next())
        names << dataset.FieldAsString(u"DESCRIPT");
    return names;
}

void LabelFolder::WriteFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(PathOf(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

bool LabelFolder::Exists(const QString& name) const { return QFileInfo::exists(PathOf(name)); }

} // namespace labels_tests
