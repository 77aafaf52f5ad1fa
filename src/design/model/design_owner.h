#pragma once

#include <QHash>
#include <QString>

#include <vector>

namespace design {

class TGGraphicControl;

// What the designer window is to its design objects: the namespace in which
// their names are unique (across all its surfaces), and the screen
// resolution at which its designs are made. The owner does not own the
// objects' memory; their surfaces do. Objects register themselves on
// construction and leave on destruction.
class TGDesignOwner {
public:
    explicit TGDesignOwner(int pixelsPerInch = 96);
    ~TGDesignOwner();
    TGDesignOwner(const TGDesignOwner&) = delete;
    TGDesignOwner& operator=(const TGDesignOwner&) = delete;

    int PixelsPerInch() const { return pixelsPerInch_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    // Names compare without regard to letter case.
    TGGraphicControl* FindComponent(const QString& name) const;
    bool NameInUse(const QString& name) const;

    // The name of an object read from a design file: "Component" and the
    // smallest free number from 0 to 1000, else the name it had in the file
    // when that is free, else no name.
    QString NameForReadObject(const QString& nameInFile) const;
    // The name of an object placed with a creation tool: "Special" and the
    // smallest free number from 1 to 1000, else no name.
    QString NameForPlacedObject() const;

private:
    friend class TGGraphicControl;
    void InsertComponent(TGGraphicControl* component);
    void RemoveComponent(TGGraphicControl* component);
    void NameChanged(const QString& oldName, const QString& newName);
    QString FirstFreeName(const QString& prefix, int first, int last) const;

    int pixelsPerInch_;
    std::vector<TGGraphicControl*> components_;
    QHash<QString, int> nameUse_; // lower-case name -> components using it
};

} // namespace design
