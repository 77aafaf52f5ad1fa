#include "graphics_test_support.h"

#include "output/output_test_support.h"

#include "design/model/graphic_control.h"

namespace graphics_test {

std::vector<output::TPageOp> PrintObject(design::TGGraphicControl& object, double xOffset, double yOffset,
                                         const std::function<void(output::TBaseReport&)>& before)
{
    output_testing::RecordingJob job;
    const std::vector<output::TPage> pages = job.Record([&](output::TBaseReport& report) {
        if (before)
            before(report);
        object.PrintTo(report, xOffset, yOffset);
    });
    return pages.empty() ? std::vector<output::TPageOp>{} : pages.front().ops;
}

std::vector<output::TShapeOp> Shapes(const std::vector<output::TPageOp>& ops)
{
    std::vector<output::TShapeOp> shapes;
    for (const output::TPageOp& op : ops)
        if (const auto* shape = std::get_if<output::TShapeOp>(&op))
            shapes.push_back(*shape);
    return shapes;
}

std::vector<output::TImageOp> Images(const std::vector<output::TPageOp>& ops)
{
    std::vector<output::TImageOp> images;
    for (const output::TPageOp& op : ops)
        if (const auto* image = std::get_if<output::TImageOp>(&op))
            images.push_back(*image);
    return images;
}

std::optional<QString> TFakeRecord::FieldText(const QString& fieldName) const
{
    const auto found = fields_.constFind(fieldName.toUpper());
    if (found == fields_.constEnd())
        return std::nullopt;
    return *found;
}

} // namespace graphics_test
