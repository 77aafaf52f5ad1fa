#pragma once

#include "design/model/record_values.h"
#include "design/model/text_metrics.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QStringList>

#include <vector>

namespace design_testing {

// Metrics that do not depend on the fonts a machine has: every character is
// half the font's pixel size wide, the text height is the pixel size + 3 and
// the line height (internal leading counted twice) the pixel size + 6.
// Arial 10 at 96 pixels per inch (13 pixels): 6 wide, 16 high, lines of 19.
class TFixedTextMetrics : public design::TTextMetrics {
public:
    int LineHeight(const QFont& font) const override { return font.pixelSize() + 6; }
    int TextWidth(const QFont& font, const QString& text) const override
    {
        return static_cast<int>(text.size()) * (font.pixelSize() / 2);
    }
    int TextHeight(const QFont& font) const override { return font.pixelSize() + 3; }
};

// One address record in memory. Field names match without regard to case.
class TMemoryRecord : public design::TGRecordSource {
public:
    TMemoryRecord& Set(const QString& field, const QString& value);
    // A character field with a display label, in field order.
    TMemoryRecord& Label(const QString& displayLabel, const QString& field);
    TMemoryRecord& Memo(const QString& displayLabel, const QString& field, const QString& text);

    std::vector<design::TGDataField> DataFields() const override { return fields_; }
    std::optional<QString> FieldText(const QString& fieldName) const override;
    QString MemoText(const QString& fieldName) const override;

private:
    QHash<QString, QString> values_; // upper-case name -> value
    std::vector<design::TGDataField> fields_;
    QHash<QString, QString> memos_;
};

// Lines from UTF-8 literals (the project builds without implicit casts).
QStringList Lines(const std::vector<const char*>& lines);

// A complete address record: Dr Ann B. Cole of Springfield IL 62701.
TMemoryRecord AnnCole();

} // namespace design_testing
