#pragma once

#include <memory>
#include <vector>

namespace output {
class TBaseReport;
}

namespace design {

class TGClassSet;
class TGGraphicControl;

// What a surface window hears from its objects.
class TGSurfaceListener {
public:
    virtual ~TGSurfaceListener() = default;
    // The change notification: geometry, text, flags or a property changed.
    virtual void ObjectChanged(TGGraphicControl& object) = 0;
    // The object's bounds changed; the selection frame needs refitting.
    virtual void ObjectBoundsChanged(TGGraphicControl& object) = 0;
};

// The design objects placed on one surface, in painting order (backmost
// first), and the classes the surface accepts from design files. The
// surface window holds one of these; it owns the objects.
class TGSurfaceObjects {
public:
    explicit TGSurfaceObjects(const TGClassSet& acceptedClasses);
    ~TGSurfaceObjects();
    TGSurfaceObjects(const TGSurfaceObjects&) = delete;
    TGSurfaceObjects& operator=(const TGSurfaceObjects&) = delete;

    const TGClassSet& AcceptedClasses() const { return *classes_; }

    int Count() const { return static_cast<int>(objects_.size()); }
    TGGraphicControl* At(int index) const { return objects_.at(static_cast<std::size_t>(index)).get(); }
    int IndexOf(const TGGraphicControl* object) const;
    std::vector<TGGraphicControl*> Objects() const;

    // Places the object on top of the others and returns it.
    TGGraphicControl* Add(std::unique_ptr<TGGraphicControl> object);
    // Removes the object from the surface and hands it back.
    std::unique_ptr<TGGraphicControl> Take(TGGraphicControl* object);
    void Destroy(TGGraphicControl* object);
    // Destroys every object, frontmost first.
    void Clear();

    void BringToFront(TGGraphicControl* object);
    void SendToBack(TGGraphicControl* object);

    // Calls the operation on every object in painting order.
    void SetZoomOfAll(float factor);
    void ClearAllData();
    // Every object reads its values from the record anew.
    void ShowAllData();
    void AdvanceAllCounters();
    void ResetAllCounters();
    // Prints every object, back to front, with the surface's top-left
    // corner at the page position (inches).
    void PrintObjects(output::TBaseReport& report, double xOffset, double yOffset) const;

    void SetListener(TGSurfaceListener* listener) { listener_ = listener; }
    void ObjectChanged(TGGraphicControl& object);
    void ObjectBoundsChanged(TGGraphicControl& object);

private:
    const TGClassSet* classes_;
    std::vector<std::unique_ptr<TGGraphicControl>> objects_;
    TGSurfaceListener* listener_ = nullptr;
};

} // namespace design
