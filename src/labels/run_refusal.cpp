#include "labels/run_refusal.h"

#include "labels/label_design.h"
#include "output/output_dialogs.h"

#include <QFileInfo>

namespace labels {

void TRunRefusal::Tell(output::TOutputDialogs& dialogs) const
{
    if (error)
        dialogs.ShowError(message);
    else
        dialogs.ShowInformation(message);
}

std::optional<TRunRefusal> LoadRunDesign(TLabelDesign& design, const QString& path, const QString& removedMessage)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return TRunRefusal{removedMessage, false};
    if (const design::TGFilerStatus loaded = design.Load(path); !loaded)
        return TRunRefusal{loaded.Message(), true};
    return std::nullopt;
}

} // namespace labels
