#pragma once

#include <QString>

namespace design {

// The outcome of a design file operation: success, or the message to show
// the user (and, for reading, the byte position where the file went wrong).
class TGFilerStatus {
public:
    TGFilerStatus() = default;
    static TGFilerStatus Ok() { return {}; }
    static TGFilerStatus Error(QString message, qint64 offset = -1) { return TGFilerStatus(std::move(message), offset); }

    bool IsOk() const { return !failed_; }
    explicit operator bool() const { return IsOk(); }
    const QString& Message() const { return message_; }
    qint64 Offset() const { return offset_; }

private:
    TGFilerStatus(QString message, qint64 offset) : failed_(true), message_(std::move(message)), offset_(offset) {}

    bool failed_ = false;
    QString message_;
    qint64 offset_ = -1;
};

} // namespace design
