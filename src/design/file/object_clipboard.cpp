#include "design/file/object_clipboard.h"

#include "design/file/label_object_filer.h"

#include <QDir>
#include <QFile>

namespace design {

TGObjectClipboard::TGObjectClipboard(const QString& homeFolder)
    : path_(QDir(homeFolder).filePath(QStringLiteral("Clipbrd.tmp")))
{
}

bool TGObjectClipboard::HasContent() const { return QFile::exists(path_); }

TGFilerStatus TGObjectClipboard::Copy(const std::vector<TGGraphicControl*>& objects)
{
    return TGLabelObjectFiler().SaveSelection(objects, path_);
}

TGFilerStatus TGObjectClipboard::Paste(TGDesignOwner& owner, TGSurfaceObjects& surface)
{
    return TGLabelObjectFiler().PasteFromFile(owner, surface, path_);
}

void TGObjectClipboard::Discard() { QFile::remove(path_); }

} // namespace design
