#include "recording_sink.h"

#include <QTextItem>

namespace letters_testing {

namespace {

class TTextRecorder : public QPaintEngine {
public:
    explicit TTextRecorder(std::vector<std::vector<DrawnText>>& pages) : QPaintEngine(AllFeatures), pages_(pages) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF& p, const QTextItem& textItem) override
    {
        // All that is drawn counts, clipped or not: a PDF keeps text
        // outside the clip as invisible text.
        pages_.back().push_back({painter()->transform().map(p), textItem.text()});
    }
    Type type() const override { return User; }

private:
    std::vector<std::vector<DrawnText>>& pages_;
};

} // namespace

TRecordingDevice::TRecordingDevice(int pixelsPerInch)
    : pixelsPerInch_(pixelsPerInch), engine_(std::make_unique<TTextRecorder>(pages))
{
}

TRecordingDevice::~TRecordingDevice() = default;

QPaintEngine* TRecordingDevice::paintEngine() const { return engine_.get(); }

int TRecordingDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return 17 * pixelsPerInch_ / 2;
    case PdmHeight: return 11 * pixelsPerInch_;
    case PdmWidthMM: return 216;
    case PdmHeightMM: return 279;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return pixelsPerInch_;
    case PdmDepth: return 32;
    case PdmNumColors: return 1 << 24;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    default: return 0;
    }
}

TRecordingSink::TRecordingSink(int pixelsPerInch, QPoint unprintable)
    : device_(pixelsPerInch), unprintable_(unprintable)
{
}

bool TRecordingSink::Begin(const letters::TLetterPage&)
{
    calls << QStringLiteral("Begin");
    if (declineBegin)
        return false;
    device_.pages.assign(1, {});
    pageCount_ = 1;
    return painter_.begin(&device_);
}

bool TRecordingSink::NewPage()
{
    if (failAtPage == pageCount_ + 1) {
        error_ = QStringLiteral("No more paper.");
        return false;
    }
    ++pageCount_;
    device_.pages.emplace_back();
    return true;
}

bool TRecordingSink::End()
{
    calls << QStringLiteral("End");
    painter_.end();
    if (failEnd) {
        error_ = QStringLiteral("The disk is full.");
        return false;
    }
    return true;
}

void TRecordingSink::Abort()
{
    calls << QStringLiteral("Abort");
    if (painter_.isActive())
        painter_.end();
}

QStringList TRecordingSink::PageTexts() const
{
    QStringList texts;
    for (const std::vector<DrawnText>& page : device_.pages) {
        QStringList words;
        for (const DrawnText& text : page)
            words << text.text.trimmed();
        words.removeAll(QString());
        texts << words.join(u' ');
    }
    return texts;
}

} // namespace letters_testing
