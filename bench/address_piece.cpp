#include "address_piece.h"

#include "design/file/label_object_filer.h"
#include "design/model/address_label.h"
#include "design/model/design_owner.h"
#include "design/model/postnet.h"
#include "design/model/postnet_code.h"
#include "design/model/surface_objects.h"
#include "store/cp1252.h"
#include "xbase/apollo.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QStringList>

#include <stdexcept>

namespace quorvel::bench {

void TextHash::add(int page, const std::string& text)
{
    const auto mix = [this](unsigned char c) {
        hash_ ^= c;
        hash_ *= 1099511628211ULL;
    };
    for (const unsigned char c : std::to_string(page))
        mix(c);
    mix('|');
    for (const unsigned char c : text)
        mix(c);
    mix('\n');
}

OffscreenApplication::OffscreenApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

void writeAddressDesign(const QString& path, const design::TGClassSet& classes, int left, int top)
{
    design::TGDesignOwner owner(kPixelsPerInch);
    design::TGSurfaceObjects surface(classes);
    auto block = std::make_unique<design::TGDMultiLineAddressLabel>(owner);
    block->SetFont(design::TGFont::Make(QStringLiteral("Arial"), kFontPoints, kPixelsPerInch, design::clBlack));
    block->Loaded();
    design::TAddressLayout layout;
    layout.UseTitle = layout.UseCompany = layout.UseStreet2 = layout.UseCountry = false;
    block->SetLayout(layout);
    block->SetBounds(left, top, kBlockWidth, kBlockHeight);
    surface.Add(std::move(block));
    auto barcode = std::make_unique<design::TGPostNetBarCode>(owner);
    barcode->SetZipCodeField(QStringLiteral("ZIP"));
    barcode->SetAddressField(QStringLiteral("STREET"));
    barcode->SetBounds(left, top + kBarcodeDrop, 270, 16);
    surface.Add(std::move(barcode));
    if (!design::TGLabelObjectFiler().SaveSurface(surface, path).IsOk())
        throw std::runtime_error("cannot write the design file");
}

namespace {

struct AddressLines {
    QStringList lines;
    QString zip;
    QString street;
};

QString trimLeading(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    return text.mid(i);
}

bool blank(const QString& text) { return text.trimmed().isEmpty(); }

// The pen the runs draw the bars' outlines with. Its mitred corners matter:
// with Qt's default bevel joins the PDF engine strokes each bar itself,
// several times slower.
QPen barPen()
{
    QPen pen(Qt::black);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// An address as the address block writes it: the name line (each present
// part followed by a blank), the street, then city, two blanks, state and ZIP.
AddressLines addressLines(const xbase::TApollo& table)
{
    const auto field = [&table](const char* name) { return fromCp1252(QByteArray::fromStdString(table.sx_GetString(name))); };
    const QString blankText = QStringLiteral(" ");
    AddressLines piece;
    QString middle = field("MIDDLE");
    if (!blank(middle))
        middle += QLatin1Char('.');
    const QString name = trimLeading(field("PREFIX") + blankText) + trimLeading(field("FNAME") + blankText) +
                         trimLeading(middle + blankText) + trimLeading(field("LNAME") + blankText);
    piece.street = field("STREET");
    piece.zip = field("ZIP");
    const QString city =
        trimLeading(field("CITY") + blankText) + blankText + trimLeading(field("STATE") + blankText) + trimLeading(piece.zip);
    for (const QString& line : {name, piece.street})
        if (!line.isEmpty())
            piece.lines << line;
    if (!blank(city))
        piece.lines << city;
    return piece;
}

} // namespace

DirectAddressPiece::DirectAddressPiece(QPaintDevice& metrics, int resolution, TextHash* hash)
    : resolution_(resolution), hash_(hash)
{
    font_ = QFont(QStringLiteral("Arial"));
    font_.setPointSizeF(kFontPoints);
    ascent_ = QFontMetricsF(font_, &metrics).ascent() / resolution_;
}

void DirectAddressPiece::prepare(QPainter& painter) const
{
    painter.setFont(font_);
    painter.setPen(barPen());
    painter.setBrush(Qt::black);
}

void DirectAddressPiece::draw(QPainter& painter, const xbase::TApollo& record, int page, double x, double y)
{
    const AddressLines piece = addressLines(record);
    const double lineHeight = kFontPoints / 60.0;
    for (qsizetype i = 0; i < piece.lines.size(); ++i) {
        painter.drawText(QPointF(px(x), px(y + i * lineHeight + ascent_)), piece.lines[i]);
        if (hash_)
            hash_->add(page, piece.lines[i].toStdString());
    }
    const std::optional<QString> digits =
        design::postnet::EncodedDigits(piece.zip, piece.street, design::TPostNetBarCodeType::pnbc11Digit);
    if (!digits)
        return;
    const double barTop = y + double(kBarcodeDrop) / kPixelsPerInch;
    for (const QRectF& bar : design::postnet::BarRectangles(design::postnet::BarPattern(*digits), x, barTop))
        painter.drawRect(QRectF(px(bar.left()), px(bar.top()), px(bar.width()), px(bar.height())));
}

} // namespace quorvel::bench
