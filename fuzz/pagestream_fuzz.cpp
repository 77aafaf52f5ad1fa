// Reads any bytes as a recorded page stream and, when they are accepted,
// draws every page small, as the preview would.
#include "output/output_error.h"
#include "output/page_stream.h"
#include "output/preview_renderer.h"

#include <QGuiApplication>

#include <cstdint>

namespace {

// Fonts and painting need an application object; one for the whole run. It
// is never destroyed: tearing Qt's font cache down after main has returned
// crashes, and the process is ending anyway.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz_pagestream";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication* app = new QGuiApplication(argc, argv);
        Q_UNUSED(app);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ensureApplication();
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
