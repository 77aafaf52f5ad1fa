#include "output/file_printer.h"

#include "output/output_error.h"

namespace output {

const std::vector<TPage>& TFilePrinter::LoadPages()
{
    if (stream_ == nullptr)
        throw EReportError(QStringLiteral("No page stream was given."));
    pages_ = ReadPageStream(*stream_);
    return pages_;
}

void TFilePrinter::Execute()
{
    LoadPages();
    RunJob();
}

void TFilePrinter::PrintBody()
{
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (i > 0)
            StartNextPage();
        for (const TPageOp& op : pages_[i].ops)
            Emit(op);
    }
}

} // namespace output
