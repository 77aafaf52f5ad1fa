#include "picture/metafile_emf_objects.h"

#include "picture/metafile_dib.h"

namespace picture::metafile {

namespace {

constexpr std::size_t kMaxObjects = 65536;
constexpr std::uint32_t kStockBit = 0x80000000u;

enum TEmfObjectRecord : std::uint32_t {
    CREATEPEN = 38, CREATEBRUSHINDIRECT = 39, DELETEOBJECT = 40, CREATEPALETTE = 49,
    EXTCREATEFONTINDIRECTW = 82, CREATEMONOBRUSH = 93, CREATEDIBPATTERNBRUSHPT = 94, EXTCREATEPEN = 95,
};

} // namespace

bool TEmfObjects::Play(std::uint32_t type, const TRecordBytes& r)
{
    const std::uint32_t index = r.U32(8);
    switch (type) {
    case CREATEPEN: Store(index, PenObject(MakePen(r.U32(12), r.S32(16), ColorFromRef(r.U32(24))))); break;
    case CREATEBRUSHINDIRECT:
        Store(index, BrushObject(MakeBrush(r.U32(12), ColorFromRef(r.U32(16)), r.U32(20))));
        break;
    case EXTCREATEPEN: Store(index, ExtendedPen(r)); break;
    case CREATEMONOBRUSH:
    case CREATEDIBPATTERNBRUSHPT: Store(index, PatternBrush(r)); break;
    case EXTCREATEFONTINDIRECTW: Store(index, FontObject(Font(r))); break;
    case CREATEPALETTE: Store(index, TGdiObject()); break;
    case DELETEOBJECT: objects_.erase(index); break;
    default: return false;
    }
    return true;
}

const TGdiObject* TEmfObjects::Find(std::uint32_t index)
{
    if (index & kStockBit) {
        stock_ = StockObject(index & ~kStockBit);
        return &stock_;
    }
    const auto found = objects_.find(index);
    return found == objects_.end() ? nullptr : &found->second;
}

void TEmfObjects::Store(std::uint32_t index, const TGdiObject& object)
{
    // Index 0 stands for the metafile itself and never holds an object.
    if (index == 0 || (index & kStockBit))
        return;
    if (objects_.size() < kMaxObjects || objects_.contains(index))
        objects_[index] = object;
}

TGdiObject TEmfObjects::ExtendedPen(const TRecordBytes& r)
{
    constexpr std::uint32_t kTypeMask = 0x000F0000;
    constexpr std::uint32_t kNullBrush = 1;
    const std::uint32_t style = r.U32(28);
    if (r.U32(36) == kNullBrush)
        return PenObject(QPen(Qt::NoPen));
    // A cosmetic pen is one device pixel whatever its stated width.
    const double width = (style & kTypeMask) == 0 ? 0 : r.U32(32);
    return PenObject(MakePen(style, width, ColorFromRef(r.U32(40))));
}

TGdiObject TEmfObjects::PatternBrush(const TRecordBytes& r)
{
    const TDib dib = DecodeDib(r.Slice(r.U32(16), r.U32(20)), r.Slice(r.U32(24), r.U32(28)));
    return BrushObject(dib.image.isNull() ? QBrush(Qt::gray) : QBrush(dib.image));
}

TFontSpec TEmfObjects::Font(const TRecordBytes& r)
{
    TFontSpec font;
    font.height = r.S32(12);
    font.escapement = r.S32(20);
    font.weight = r.S32(28);
    font.italic = r.U8(32) != 0;
    font.underline = r.U8(33) != 0;
    font.strikeOut = r.U8(34) != 0;
    if (const QString face = r.Utf16(40, 32); !face.isEmpty())
        font.face = face;
    return font;
}

} // namespace picture::metafile
