#pragma once

#include <QString>

namespace output {

// The common root of the page output components.
class TRPComponent {
public:
    virtual ~TRPComponent() = default;
    QString Version() const { return QStringLiteral("Quorvel page output 1.0"); }
};

// The root of every component that produces pages.
class TRPBaseComponent : public TRPComponent {};

} // namespace output
