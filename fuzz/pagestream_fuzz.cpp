// Reads any bytes as a recorded page stream and, when they are accepted,
// draws every page small, as the preview would.
#include "fuzz_application.h"
#include "output/output_error.h"
#include "output/page_stream.h"
#include "output/preview_renderer.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnsureFuzzApplication("fuzz_pagestream");
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const std::vector<output::TPage> pages = output::ReadPageStream(bytes);
        output::TPreviewLook look;
        look.zoom = 10.0;
        for (const output::TPage& page : pages)
            output::RenderPreviewPage(page, look);
    } catch (const output::EReportError&) {
        // Refusing damage with a message is the expected outcome.
    }
    return 0;
}
