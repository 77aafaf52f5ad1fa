#pragma once

#include <string>
#include <utility>

namespace xbase {

// The result of an engine operation. Failures are values, never exceptions,
// so that a damaged file or a refused lock reaches the caller as a message
// it can show, and nothing unwinds through half-written state.
class Status {
public:
    enum class Code { Ok, NotFound, Corruption, IoError, InvalidArgument, Locked, NotSupported };

    Status() = default;

    static Status ok() { return {}; }
    static Status notFound(std::string msg) { return {Code::NotFound, std::move(msg)}; }
    static Status corruption(std::string msg) { return {Code::Corruption, std::move(msg)}; }
    static Status ioError(std::string msg) { return {Code::IoError, std::move(msg)}; }
    static Status invalidArgument(std::string msg) { return {Code::InvalidArgument, std::move(msg)}; }
    static Status locked(std::string msg) { return {Code::Locked, std::move(msg)}; }
    static Status notSupported(std::string msg) { return {Code::NotSupported, std::move(msg)}; }

    bool isOk() const { return code_ == Code::Ok; }
    explicit operator bool() const { return isOk(); }
    Code code() const { return code_; }
    const std::string& message() const { return message_; }

    // "Corruption: bad header in add0001.DBF" style text for logs and tests.
    std::string toString() const;

private:
    Status(Code code, std::string msg) : code_(code), message_(std::move(msg)) {}

    Code code_ = Code::Ok;
    std::string message_;
};

} // namespace xbase
