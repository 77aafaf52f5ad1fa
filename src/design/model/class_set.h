#pragma once

#include <QByteArray>

#include <memory>
#include <vector>

namespace design {

class TGDesignOwner;
class TGGraphicControl;

using TGObjectFactory = std::unique_ptr<TGGraphicControl> (*)(TGDesignOwner& owner);

struct TGClassEntry {
    const char* name;
    TGObjectFactory create;
};

// The design object classes a surface accepts when reading a design file;
// a class name outside its set fails with "Class %s not found".
class TGClassSet {
public:
    explicit TGClassSet(std::vector<TGClassEntry> entries) : entries_(std::move(entries)) {}

    // Looks a class name up without regard to letter case.
    const TGClassEntry* Find(const QByteArray& name) const;
    const std::vector<TGClassEntry>& Entries() const { return entries_; }

    static const TGClassSet& LabelSurface();
    static const TGClassSet& EnvelopeSurface();
    static const TGClassSet& ReportBand();
    // Every class, for tools that read any design file.
    static const TGClassSet& AllClasses();

private:
    std::vector<TGClassEntry> entries_;
};

} // namespace design
