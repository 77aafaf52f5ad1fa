#pragma once

#include "design/model/record_values.h"
#include "output/base_report.h"

#include <QHash>

#include <functional>
#include <vector>

namespace design {
class TGGraphicControl;
}

namespace graphics_test {

// Prints the object at the page offset into a recorded job and returns the
// operations of its page.
std::vector<output::TPageOp> PrintObject(design::TGGraphicControl& object, double xOffset, double yOffset,
                                         const std::function<void(output::TBaseReport&)>& before = {});
std::vector<output::TShapeOp> Shapes(const std::vector<output::TPageOp>& ops);
std::vector<output::TImageOp> Images(const std::vector<output::TPageOp>& ops);

// A record held in memory: field name -> text.
class TFakeRecord : public design::TGRecordSource {
public:
    explicit TFakeRecord(QHash<QString, QString> fields) : fields_(std::move(fields)) {}
    std::vector<design::TGDataField> DataFields() const override { return {}; }
    std::optional<QString> FieldText(const QString& fieldName) const override;
    QString MemoText(const QString&) const override { return {}; }

private:
    QHash<QString, QString> fields_;
};

} // namespace graphics_test
