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

// Which kind of list the generator makes.
enum class AddressMix {
    // The ZIP codes of 28 towns (one 3-digit prefix each), no record
    // deleted: the records the engine, window and label benchmarks are
    // measured on, kept exactly as they were.
    Towns,
    // A nationwide mailing list: ZIP codes over every 3-digit prefix, a few
    // prefixes very common and a long tail of rare ones, with some blank,
    // short ("1234") and foreign codes, and one record in 50 deleted. Gives
    // every pass of the bulk-mail presort and the ZIP counts work to do.
    Nationwide,
};

// Produces the same sequence of plausible mailing-list records for the same
// seed on every machine and compiler (its own random numbers, no <random>
// distributions), so that benchmark runs and tests compare like with like.
class AddressGenerator {
public:
    explicit AddressGenerator(std::uint64_t seed = 1, AddressMix mix = AddressMix::Towns);
    AddressRecord next();
    // A random number below bound, from the same stream; for picking keys.
    std::uint32_t below(std::uint32_t bound);

private:
    const char* pick(const char* const* list, std::size_t count);
    template <std::size_t N> const char* pick(const char* const (&list)[N]) { return pick(list, N); }
    std::string digits(int count);
    std::string phone(const std::string& area);
    std::string nationwideZip();
    void fillName(AddressRecord& r);
    void fillAddress(AddressRecord& r);
    void fillContact(AddressRecord& r);
    void fillNotes(AddressRecord& r);

    std::uint64_t state_;
    AddressMix mix_;
};

} // namespace quorvel::bench
