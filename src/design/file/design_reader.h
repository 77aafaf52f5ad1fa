#pragma once

#include "design/file/stream_value.h"

#include <QByteArray>
#include <QByteArrayView>

#include <memory>
#include <utility>
#include <vector>

namespace design {

class TGByteReader;
class TGClassSet;
class TGDesignOwner;
class TGGraphicControl;

// One object record as it stands in the file: class, name and the stored
// properties in file order.
struct TGStoredRecord {
    QByteArray className;
    QByteArray objectName;
    std::vector<std::pair<QByteArray, TGStreamValue>> properties;
};

// Reads the lists of a design file from a byte buffer into new objects.
// Objects are created with the owner (which names them "Component" N) but
// placed on no surface: the caller adds them once everything has been read,
// so a failure leaves the surfaces as they were. Errors raise
// EDesignFileError; the objects read so far are then destroyed.
class TGDesignReader {
public:
    TGDesignReader(QByteArrayView bytes, TGDesignOwner& owner, bool pasting);
    ~TGDesignReader();

    // TagList, object records of the accepted classes, TagEnd.
    std::vector<std::unique_ptr<TGGraphicControl>> ReadObjectList(const TGClassSet& classes);
    // TagList, plain values, TagEnd.
    std::vector<TGStreamValue> ReadValueList();

    bool AtEnd() const;
    // Every record read so far, in file order.
    const std::vector<TGStoredRecord>& Records() const { return records_; }

private:
    std::unique_ptr<TGGraphicControl> ReadObject(const TGClassSet& classes);
    void ReadProperties(TGGraphicControl& object, TGStoredRecord& record);
    void ExpectTag(std::uint8_t tag);

    std::unique_ptr<TGByteReader> reader_;
    TGDesignOwner& owner_;
    bool pasting_;
    std::vector<TGStoredRecord> records_;
};

} // namespace design
