#include "output/report_filer.h"

#include "output/output_error.h"
#include "output/rp_device.h"

#include <QFile>
#include <QTemporaryFile>

namespace output {

TReportFiler::TReportFiler() = default;
TReportFiler::~TReportFiler() = default;

void TReportFiler::SetStreamMode(TStreamMode mode)
{
    RequireIdle();
    streamMode_ = mode;
}

QIODevice* TReportFiler::Stream()
{
    switch (streamMode_) {
    case smUser: return userStream_;
    case smMemory: return &memory_;
    case smFile:
    case smTempFile: break;
    }
    return file_.get();
}

// Every job starts on an empty stream: stale pages of an earlier job must
// not show up after the new ones.
QIODevice& TReportFiler::openTarget()
{
    QIODevice* target = nullptr;
    switch (streamMode_) {
    case smMemory:
        memory_.close();
        memory_.setData(QByteArray());
        target = &memory_;
        break;
    case smUser:
        target = userStream_;
        if (auto* buffer = qobject_cast<QBuffer*>(target)) {
            buffer->close();
            buffer->setData(QByteArray());
        }
        break;
    case smFile: file_ = std::make_unique<QFile>(fileName_); target = file_.get(); break;
    case smTempFile: file_ = std::make_unique<QTemporaryFile>(); target = file_.get(); break;
    }
    if (target == nullptr)
        throw EReportError(QStringLiteral("No stream was given for the page stream."));
    if (auto* file = qobject_cast<QFile*>(target)) {
        if (!file->isOpen() && !file->open(QIODevice::ReadWrite | QIODevice::Truncate))
            writeFailed();
    } else if (!target->isOpen() && !target->open(QIODevice::ReadWrite)) {
        writeFailed();
    }
    if (!target->isSequential())
        target->seek(0);
    return *target;
}

void TReportFiler::writeFailed() const
{
    throw EReportError(QStringLiteral("The pages could not be recorded: the page stream cannot be written."));
}

bool TReportFiler::BeginDocument()
{
    writer_.emplace(openTarget());
    if (!writer_->writeHeader())
        writeFailed();
    return true;
}

void TReportFiler::BeginPage()
{
    page_ = TPage();
    if (Device().HasPrinters())
        page_.size = QSizeF(Device().PaperWidth(), Device().PaperHeight());
    else
        page_.size = QSizeF(8.5, 11.0);
}

void TReportFiler::EmitOp(TPageOp&& op)
{
    page_.ops.push_back(std::move(op));
}

void TReportFiler::EndPage()
{
    if (writer_ && !writer_->writePage(page_))
        writeFailed();
    page_ = TPage();
}

void TReportFiler::EndDocument(bool)
{
    writer_.reset();
}

} // namespace output
