#pragma once

#include "output/canvas_report.h"
#include "output/page_stream.h"

#include <vector>

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
    // Reads every page of the stream; an unreadable stream throws.
    const std::vector<TPage>& LoadPages();
    const std::vector<TPage>& Pages() const { return pages_; }
    void ClearPages() { pages_.clear(); }

private:
    QIODevice* stream_ = nullptr;
    std::vector<TPage> pages_;
};

} // namespace output
