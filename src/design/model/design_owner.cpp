#include "design/model/design_owner.h"

#include "design/model/graphic_control.h"

#include <algorithm>

namespace design {

TGDesignOwner::TGDesignOwner(int pixelsPerInch) : pixelsPerInch_(pixelsPerInch > 0 ? pixelsPerInch : 96) {}

TGDesignOwner::~TGDesignOwner()
{
    for (TGGraphicControl* component : components_)
        component->DetachOwner();
}

TGGraphicControl* TGDesignOwner::FindComponent(const QString& name) const
{
    if (!NameInUse(name))
        return nullptr;
    for (TGGraphicControl* component : components_) {
        if (component->Name().compare(name, Qt::CaseInsensitive) == 0)
            return component;
    }
    return nullptr;
}

bool TGDesignOwner::NameInUse(const QString& name) const
{
    return !name.isEmpty() && nameUse_.value(name.toLower()) > 0;
}

QString TGDesignOwner::FirstFreeName(const QString& prefix, int first, int last) const
{
    for (int n = first; n <= last; ++n) {
        const QString candidate = prefix + QString::number(n);
        if (!NameInUse(candidate))
            return candidate;
    }
    return {};
}

QString TGDesignOwner::NameForReadObject(const QString& nameInFile) const
{
    const QString numbered = FirstFreeName(QStringLiteral("Component"), 0, 1000);
    if (!numbered.isEmpty())
        return numbered;
    return NameInUse(nameInFile) ? QString() : nameInFile;
}

QString TGDesignOwner::NameForPlacedObject() const { return FirstFreeName(QStringLiteral("Special"), 1, 1000); }

void TGDesignOwner::InsertComponent(TGGraphicControl* component)
{
    components_.push_back(component);
    NameChanged(QString(), component->Name());
}

void TGDesignOwner::RemoveComponent(TGGraphicControl* component)
{
    components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
    NameChanged(component->Name(), QString());
}

void TGDesignOwner::NameChanged(const QString& oldName, const QString& newName)
{
    if (!oldName.isEmpty()) {
        const QString key = oldName.toLower();
        if (--nameUse_[key] <= 0)
            nameUse_.remove(key);
    }
    if (!newName.isEmpty())
        ++nameUse_[newName.toLower()];
}

} // namespace design
