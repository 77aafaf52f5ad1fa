#pragma once

#include <QString>

#include <stdexcept>

namespace output {

// An error the engine reports to its caller: misuse (a drawing call outside a
// job, a set-up change while one runs), a device that cannot do what was
// asked, or a page stream that cannot be read. The text is meant for the user.
class EReportError : public std::runtime_error {
public:
    explicit EReportError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

// Thrown by a drawing call after AbortJob so that the caller's handler
// unwinds at once; RunJob swallows it.
class EJobAborted {};

namespace messages {
inline QString alreadyPrinting() { return QStringLiteral("Invalid method call.  ReportPrinter already printing."); }
inline QString notPrinting() { return QStringLiteral("Invalid method call.  ReportPrinter is not printing."); }
inline QString noPrinters() { return QStringLiteral("No printers are defined, aborting print job."); }
inline QString noDevMode() { return QStringLiteral("Invalid operation.  Device has no DevMode structure"); }
inline QString noScrollBox() { return QStringLiteral("ScrollBox must be assigned for FilePreview component"); }
inline QString monochromeWithShadow()
{
    return QStringLiteral("Monochrome not allowed while shadows are in effect.\rChange ShadowDepth to 0 first");
}
inline QString shadowWithMonochrome()
{
    return QStringLiteral("Shadows not allowed while monochrome in effect.\rChange Monochrome to false first");
}
} // namespace messages

} // namespace output
