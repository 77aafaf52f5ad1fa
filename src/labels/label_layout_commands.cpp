#include "labels/label_layout_commands.h"

#include "labels/label_layout_table.h"
#include "store/dataset.h"

#include <map>

namespace labels {

namespace {

using quorvel::TDataset;
using quorvel::TTableResult;

// The layout as its row will read back, or why the table would refuse it.
TLayoutRead AsStored(const TLabelLayout& layout)
{
    std::map<QString, QString> texts;
    for (const TColumnText& text : LayoutRowTexts(layout))
        texts[text.column] = text.text;
    return ReadLayoutRow([&texts](const QString& column) { return texts[column]; });
}

bool WriteColumns(TDataset& table, const TLabelLayout& layout)
{
    for (const TColumnText& text : LayoutRowTexts(layout))
        if (!table.SetFieldAsString(text.column, text.text))
            return false;
    return true;
}

} // namespace

QString DeleteQuestion(const TLabelLayout& layout) { return DeleteLayoutQuestion(layout.description); }

QString CloneQuestion(const TLabelLayout& layout) { return CloneLayoutQuestion(layout.description); }

TLabelDesignLoad LoadLabelDesign(const QString& sysdataFolder, const QString& name, design::TGDesignOwner& owner,
                                 design::TGSurfaceObjects& surface)
{
    return LoadLayoutDesign(LabelLayoutKind(), sysdataFolder, name, owner, surface);
}

TTableResult SaveLabelLayout(TDataset& table, const QString& sysdataFolder, TLabelLayout& layout, TLayoutSave mode,
                             const TDesignWriter& writeDesign)
{
    TLayoutRead stored = AsStored(layout);
    if (!stored.layout)
        return TTableResult::failure({QStringLiteral("The label layout could not be saved: ") + stored.message},
                                     stored.message);
    TLabelLayout& row = *stored.layout;
    const auto writeColumns = [&table, &row](const QString& designFile) {
        row.designFile = designFile;
        return WriteColumns(table, row);
    };
    const TTableResult saved =
        SaveLayoutRow(LabelLayoutKind(), table, sysdataFolder, row.designFile, mode, writeColumns, writeDesign);
    if (saved)
        layout = row;
    return saved;
}

TTableResult DeleteLabelLayout(TDataset& table, const QString& sysdataFolder)
{
    return DeleteLayoutRow(LabelLayoutKind(), table, sysdataFolder);
}

TTableResult CloneLabelLayout(TDataset& table, const QString& sysdataFolder)
{
    const TLayoutRead source = ReadCurrentLayout(table);
    if (!source.layout)
        return TTableResult::failure({source.message});
    const auto saveClone = [&](const QString& cloneFile, const TDesignWriter& writer) {
        TLabelLayout clone = *source.layout;
        clone.description = KeptDescription(QStringLiteral("Clone of :") + source.layout->description);
        clone.designFile = cloneFile;
        return SaveLabelLayout(table, sysdataFolder, clone, TLayoutSave::lsNew, writer);
    };
    return CloneLayoutRow(LabelLayoutKind(), table, sysdataFolder, source.layout->designFile, saveClone);
}

} // namespace labels
