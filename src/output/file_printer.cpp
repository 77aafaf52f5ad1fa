#include "output/file_printer.h"

#include "output/output_error.h"

namespace output {

void TFilePrinter::LoadPages()
{
    if (stream_ == nullptr)
        throw EReportError(QStringLiteral("No page stream was given."));
    pages_.emplace(*stream_);
}

void TFilePrinter::Execute()
{
    LoadPages();
    RunJob();
}

void TFilePrinter::PrintBody()
{
    for (int page = 1; page <= LoadedPageCount(); ++page) {
        if (page > 1)
            StartNextPage();
        TPage content = LoadedPage(page);
        for (TPageOp& op : content.ops)
            Emit(std::move(op));
    }
}

} // namespace output
