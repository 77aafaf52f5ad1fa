#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quorvel::bench {

// The stored fields of an address file, in creation order.
enum AddressField {
    kLname, kFname, kMiddle, kPrefix, kTitle, kOrg, kStreet, kStreet2, kCity, kState, kZip,
    kCountry, kDate, kPhone, kPhone2, kFax, kEmail, kCodes, kUser1, kUser2, kIsdel, kTag, kMemo,
    kAddressFieldCount
};

struct AddressFieldSpec {
    const char* name;
    char type;  // C, L or M
    int width;  // the default width of a new address file
};

const std::array<AddressFieldSpec, kAddressFieldCount>& addressFieldSpecs();

// The 26 tags of an address file, in creation order.
struct AddressTagSpec {
    const char* name;
    const char* keyExpression;
};
constexpr int kAddressTagCount = 26;
const std::array<AddressTagSpec, kAddressTagCount>& addressTagSpecs();

// One generated record: each value already fits its field's default width.
// Text is Windows-1252 (a few names carry accented letters); ISDEL is "T"
// or "F"; MEMO is empty for most records.
struct AddressRecord {
    std::array<std::string, kAddressFieldCount> values;
    const std::string& operator[](AddressField f) const { return values[f]; }
};

// Produces the same sequence of plausible mailing-list records for the same
// seed on every machine and compiler (its own random numbers, no <random>
// distributions), so that benchmark runs and tests compare like with like.
class AddressGenerator {
public:
    explicit AddressGenerator(std::uint64_t seed = 1);
    AddressRecord next();
    // A random number below bound, from the same stream; for picking keys.
    std::uint32_t below(std::uint32_t bound);

private:
    const char* pick(const char* const* list, std::size_t count);
    template <std::size_t N> const char* pick(const char* const (&list)[N]) { return pick(list, N); }
    std::string digits(int count);
    std::string phone(const std::string& area);
    void fillName(AddressRecord& r);
    void fillAddress(AddressRecord& r);
    void fillContact(AddressRecord& r);
    void fillNotes(AddressRecord& r);

    std::uint64_t state_;
};

} // namespace quorvel::bench
