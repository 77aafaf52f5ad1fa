#pragma once

namespace quorvel {

// Help topics are numbered; every dialog's Help button opens its own.
namespace help_context {
constexpr int kMainWindow = 1029;
constexpr int kAddressBrowse = 1041;
constexpr int kAddressFilter = 1030;
constexpr int kNewRecord = 1031;
constexpr int kDateSelector = 1032;
constexpr int kCopyToClipboard = 1033;
constexpr int kNewDatabase = 1034;
constexpr int kFieldLengths = 1035;
constexpr int kSearch = 1038;
constexpr int kPreferences = 2001;
constexpr int kGettingStarted = 2002;
constexpr int kHowToUseHelp = 2003;
} // namespace help_context

// The help system as the windows see it.
class THelp {
public:
    virtual ~THelp() = default;

    virtual void showTopic(int context) = 0;
    // The table of contents.
    virtual void showContents() = 0;
    // The keyword search, opened with an empty keyword.
    virtual void showSearch() = 0;
};

} // namespace quorvel
