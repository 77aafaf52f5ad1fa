#include "design/model/class_set.h"

#include "design/model/address_label.h"
#include "design/model/counter_label.h"
#include "design/model/data_label.h"
#include "design/model/date_time_label.h"
#include "design/model/fim_barcode.h"
#include "design/model/image_object.h"
#include "design/model/label_shapes.h"
#include "design/model/line_shape.h"
#include "design/model/memo_label.h"
#include "design/model/postnet.h"
#include "design/model/text_labels.h"

namespace design {

namespace {

template <typename Class>
constexpr TGClassEntry Entry(const char* name)
{
    return {name, [](TGDesignOwner& owner) -> std::unique_ptr<TGGraphicControl> {
                return std::make_unique<Class>(owner);
            }};
}

constexpr TGClassEntry kPLabel = Entry<TGPLabel>("TGPLabel");
constexpr TGClassEntry kPDLabel = Entry<TGPDLabel>("TGPDLabel");
constexpr TGClassEntry kCounterLabel = Entry<TGCounterLabel>("TGCounterLabel");
constexpr TGClassEntry kSymbolLabel = Entry<TGSymbolLabel>("TGSymbolLabel");
constexpr TGClassEntry kDateTimeLabel = Entry<TGDateTimeLabel>("TGDateTimeLabel");
constexpr TGClassEntry kPageNumberLabel = Entry<TGPageNumberLabel>("TGPageNumberLabel");
constexpr TGClassEntry kMultiLineLabel = Entry<TGMultiLineLabel>("TGMultiLineLabel");
constexpr TGClassEntry kDMultiLineLabel = Entry<TGDMultiLineLabel>("TGDMultiLineLabel");
constexpr TGClassEntry kAddressLabel = Entry<TGDMultiLineAddressLabel>("TGDMultiLineAddressLabel");
constexpr TGClassEntry kPostNet = Entry<TGPostNetBarCode>("TGPostNetBarCode");
constexpr TGClassEntry kFIM = Entry<TGFIMBarCode>("TGFIMBarCode");
constexpr TGClassEntry kImage = Entry<TGImage>("TGImage");
constexpr TGClassEntry kLabelShapes = Entry<TGLabelShapes>("TGLabelShapes");
constexpr TGClassEntry kReportShapes = Entry<Trpshapes>("Trpshapes");
constexpr TGClassEntry kLine = Entry<TGLineShape>("TGLineShape");

} // namespace

const TGClassEntry* TGClassSet::Find(const QByteArray& name) const
{
    for (const TGClassEntry& entry : entries_) {
        if (name.compare(entry.name, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

const TGClassSet& TGClassSet::LabelSurface()
{
    static const TGClassSet set({kPLabel, kPDLabel, kCounterLabel, kSymbolLabel, kMultiLineLabel, kDMultiLineLabel,
                                 kAddressLabel, kPostNet, kImage, kLabelShapes, kLine});
    return set;
}

const TGClassSet& TGClassSet::EnvelopeSurface()
{
    static const TGClassSet set(
        {kPLabel, kPDLabel, kMultiLineLabel, kAddressLabel, kPostNet, kFIM, kImage, kLabelShapes, kLine});
    return set;
}

const TGClassSet& TGClassSet::ReportBand()
{
    static const TGClassSet set({kPLabel, kPDLabel, kSymbolLabel, kDateTimeLabel, kPageNumberLabel, kDMultiLineLabel,
                                 kImage, kReportShapes, kLine});
    return set;
}

const TGClassSet& TGClassSet::AllClasses()
{
    static const TGClassSet set({kPLabel, kPDLabel, kCounterLabel, kSymbolLabel, kDateTimeLabel, kPageNumberLabel,
                                 kMultiLineLabel, kDMultiLineLabel, kAddressLabel, kPostNet, kFIM, kImage,
                                 kLabelShapes, kReportShapes, kLine});
    return set;
}

} // namespace design
