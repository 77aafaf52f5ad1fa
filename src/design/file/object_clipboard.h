#pragma once

#include "design/file/filer_status.h"

#include <QString>

#include <vector>

namespace design {

class TGDesignOwner;
class TGGraphicControl;
class TGSurfaceObjects;

// The object clipboard: copied design objects live in the file
// "Clipbrd.tmp" in the home folder, in the design file format, so that
// they can be pasted onto any surface of any designer.
class TGObjectClipboard {
public:
    explicit TGObjectClipboard(const QString& homeFolder);

    const QString& Path() const { return path_; }
    // Paste is offered only while there is something to paste.
    bool HasContent() const;
    // Writes the objects in the given (selection) order; nothing when empty.
    TGFilerStatus Copy(const std::vector<TGGraphicControl*>& objects);
    // Adds the copied objects, 15 pixels right of and below the originals.
    TGFilerStatus Paste(TGDesignOwner& owner, TGSurfaceObjects& surface);
    // Deletes the clipboard file; done when a surface goes away.
    void Discard();

private:
    QString path_;
};

} // namespace design
