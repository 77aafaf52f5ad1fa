#pragma once

#include <QString>

class QWidget;

namespace output {

// Where resizable windows keep their size and position between runs. The
// program passes its settings-backed store; the default keeps nothing.
class TPlacementStore {
public:
    virtual ~TPlacementStore() = default;
    virtual void Restore(QWidget& window, const QString& section) = 0;
    virtual void Save(const QWidget& window, const QString& section) = 0;
};

class TNoPlacementStore : public TPlacementStore {
public:
    void Restore(QWidget&, const QString&) override {}
    void Save(const QWidget&, const QString&) override {}
};

} // namespace output
