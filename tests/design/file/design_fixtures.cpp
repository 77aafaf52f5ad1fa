#include "design_fixtures.h"

#include "design/file/label_object_filer.h"
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
#include "design/model/surface_objects.h"
#include "design/model/text_labels.h"

#include <gtest/gtest.h>

using namespace design;

namespace design_test {

Bytes& Bytes::operator()(std::initializer_list<int> bytes)
{
    for (const int b : bytes)
        bytes_.append(static_cast<char>(b));
    return *this;
}

Bytes& Bytes::Short(const char* text)
{
    const QByteArray t(text);
    bytes_.append(static_cast<char>(t.size()));
    bytes_.append(t);
    return *this;
}

Bytes& Bytes::Raw(const QByteArray& bytes)
{
    bytes_.append(bytes);
    return *this;
}

Bytes& Bytes::Le32(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes_.append(static_cast<char>(bits >> shift));
    return *this;
}

QByteArray SampleBitmapFile() { return QByteArrayLiteral("BM") + QByteArray(40, '\x11') + QByteArray(4, '\xFF'); }

QByteArray SampleEnhancedMetafile()
{
    QByteArray data(60, '\x22');
    data.replace(40, 4, QByteArrayLiteral(" EMF"));
    return data;
}

QByteArray SampleIconFile() { return QByteArrayLiteral("\x00\x00\x01\x00\x01\x00") + QByteArray(22, '\x33'); }

namespace {

template <typename Class>
Class* Place(TGDesignOwner& owner, TGSurfaceObjects& surface)
{
    return static_cast<Class*>(surface.Add(std::make_unique<Class>(owner)));
}

void SetBaseAwayFromDefaults(TGGraphicControl& object)
{
    object.SetTag(-7);
    object.SetBounds(-5, 300, 70000, 40);
    object.SetCursor(-21);
    object.SetHint(QStringLiteral("hint"));
    object.SetLocked(true);
    object.SetUnselectable(true);
}

TGFont UnusualFont()
{
    TGFont font;
    font.Color = ColorValue(0x00123456);
    font.Height = -40000;
    font.Name = QStringLiteral("Times New Roman");
    font.Pitch = TFontPitch::fpFixed;
    font.Style = TFontStyles().With(TFontStyle::fsBold).With(TFontStyle::fsStrikeOut);
    return font;
}

void SetLabelAwayFromDefaults(TGBaseLabel& label)
{
    SetBaseAwayFromDefaults(label);
    label.SetAlignment(TAlignment::taCenter);
    label.SetDepthHighlight(3);
    label.SetDepthShadow(200);
    label.SetDirectionHighlight(THighlightDirection::hdright);
    label.SetDirectionShadow(TShadowDirection::sdNone);
    label.SetColorHighlight(ColorValue(0x80000005));
    label.SetColorShadow(ColorValue(0x80000020));
    label.SetCaption(QStringLiteral("Caf\u00e9 \u20ac"));
    label.SetFont(UnusualFont());
    label.SetTransparent(false);
    label.SetBackColor(clNone);
    label.SetBorderStyle(TBorderStyle::bsSingle);
}

void SetMultiLineAwayFromDefaults(TGMultiLineBaseLabel& label)
{
    SetBaseAwayFromDefaults(label);
    label.SetItems({QStringLiteral("first"), QString(), QStringLiteral("third line")});
    label.SetAutoSize(true);
    label.SetAlignment(TAlignment::taRightJustify);
    label.SetFont(UnusualFont());
    label.SetWordWrap(true);
}

void AddTextLabels(TGDesignOwner& owner, TGSurfaceObjects& surface)
{
    SetLabelAwayFromDefaults(*Place<TGPLabel>(owner, surface));
    auto* rotated = Place<TGPLabel>(owner, surface);
    SetLabelAwayFromDefaults(*rotated);
    rotated->SetAngle(270);
    auto* field = Place<TGPDLabel>(owner, surface);
    SetLabelAwayFromDefaults(*field);
    field->SetDataFieldName(QStringLiteral("LNAME"));
    field->SetDataFieldDescript(QStringLiteral("Last Name"));
    field->SetLengthOfText(-3);
    auto* counter = Place<TGCounterLabel>(owner, surface);
    SetLabelAwayFromDefaults(*counter);
    counter->SetTextBefore(QStringLiteral("No. "));
    counter->SetTextAfter(QStringLiteral(" ."));
    counter->SetStartingnumber(1000);
    counter->SetRepeatEach(0);
    counter->SetLeadingZeros(6);
    SetLabelAwayFromDefaults(*Place<TGSymbolLabel>(owner, surface));
    auto* date = Place<TGDateTimeLabel>(owner, surface);
    SetLabelAwayFromDefaults(*date);
    date->SetDateFormat(TGDateFormat::dtfDateLong);
    date->SetTimeFormat(TGTimeFormat::dtfTimeShort);
    SetLabelAwayFromDefaults(*Place<TGPageNumberLabel>(owner, surface));
}

void AddMultiLineLabels(TGDesignOwner& owner, TGSurfaceObjects& surface)
{
    SetMultiLineAwayFromDefaults(*Place<TGMultiLineLabel>(owner, surface));
    auto* memo = Place<TGDMultiLineLabel>(owner, surface);
    SetMultiLineAwayFromDefaults(*memo);
    memo->SetDataFieldName(QStringLiteral("MEMO"));
    memo->SetDataFieldDescript(QStringLiteral("Notes"));
    auto* address = Place<TGDMultiLineAddressLabel>(owner, surface);
    SetMultiLineAwayFromDefaults(*address);
    address->SetUseName(false);
    address->SetUseTitle(false);
    address->SetUseCompany(false);
    address->SetUseStreet(false);
    address->SetUseStreet2(false);
    address->SetUseCityState(false);
    address->SetUseZip(false);
    address->SetUsePhone(true);
    address->SetUseCountry(false);
    address->SetZipOptions(TZipFormatOptions::zoBeforeCountry);
    address->SetUpperCase(true);
}

void AddGraphics(TGDesignOwner& owner, TGSurfaceObjects& surface)
{
    auto* postnet = Place<TGPostNetBarCode>(owner, surface);
    SetBaseAwayFromDefaults(*postnet);
    postnet->SetZipCodeField(QStringLiteral("ZIP"));
    postnet->SetAddressField(QStringLiteral("STREET2"));
    postnet->SetBarCodeType(TPostNetBarCodeType::pnbc5Digit);
    auto* fim = Place<TGFIMBarCode>(owner, surface);
    SetBaseAwayFromDefaults(*fim);
    fim->SetFIMType(TFIMBarCodeType::fimTypeC);
    for (const picture::TGPicture& picture : {picture::TGPicture::Bitmap(SampleBitmapFile()), picture::TGPicture::Bitmap({}),
                                     picture::TGPicture::Metafile(SampleEnhancedMetafile()), picture::TGPicture::Icon(SampleIconFile())}) {
        auto* image = Place<TGImage>(owner, surface);
        SetBaseAwayFromDefaults(*image);
        image->SetAutoSize(true);
        image->SetBorderStyle(TBorderStyle::bsSizeToolWin);
        image->SetPicture(picture);
    }
    for (TGLabelShapes* shape : {Place<TGLabelShapes>(owner, surface), static_cast<TGLabelShapes*>(Place<Trpshapes>(owner, surface))}) {
        SetBaseAwayFromDefaults(*shape);
        shape->SetTransparent(true);
        shape->SetBrush({ColorValue(0x00ABCDEF), TBrushStyle::bsDiagCross});
        shape->SetPen({clAqua, TPenMode::pmXor, TPenStyle::psInsideFrame, 128});
        shape->SetRoundPerc(80);
        shape->SetShape(TShapeType::stCircle);
    }
    auto* line = Place<TGLineShape>(owner, surface);
    SetBaseAwayFromDefaults(*line);
    line->SetLineStyle(TLineStyle::stAngleSlopingDown);
    line->SetPen({ColorValue(0x00000001), TPenMode::pmBlack, TPenStyle::psDashDotDot, 32768});
}

} // namespace

void AddEveryClass(TGDesignOwner& owner, TGSurfaceObjects& surface)
{
    AddTextLabels(owner, surface);
    AddMultiLineLabels(owner, surface);
    AddGraphics(owner, surface);
}

QByteArray Encode(const TGSurfaceObjects& surface)
{
    QByteArray bytes;
    const TGFilerStatus status = TGLabelObjectFiler::EncodeObjects(surface.Objects(), bytes);
    EXPECT_TRUE(status.IsOk()) << status.Message().toStdString();
    return bytes;
}

} // namespace design_test
