#pragma once

#include "output/canvas_report.h"
#include "output/page_stream.h"

#include <optional>

class QIODevice;

namespace output {

// Prints a recorded page stream on the selected printer, honouring the page
// range and copies.
class TFilePrinter : public TCanvasReport {
public:
    // smUser: the caller's stream, which it keeps and frees.
    void SetStream(QIODevice* stream) { stream_ = stream; }
    QIODevice* Stream() const { return stream_; }

    // Reads the stream and prints it; a damaged stream throws EReportError
    // before anything is printed.
    void Execute();

protected:
    void PrintBody() override;
    // Opens and checks the stream; an unreadable or damaged one throws.
    void LoadPages();
    int LoadedPageCount() const { return pages_ ? pages_->pageCount() : 0; }
    // 1-based page numbers, as viewers count.
    QSizeF LoadedPageSize(int page) const { return pages_->pageSize(page - 1); }
    TPage LoadedPage(int page) const { return pages_->page(page - 1); }
    void ClearPages() { pages_.reset(); }

private:
    QIODevice* stream_ = nullptr;
    std::optional<TPageStreamReader> pages_;
};

} // namespace output
