#include "address_generator.h"

#include <algorithm>

namespace quorvel::bench {

namespace {

// Name, place and word lists. Windows-1252 bytes are written as escapes so
// that the source stays plain ASCII.
const char* const kLastNames[] = {
    "Smith", "Johnson", "Williams", "Brown", "Jones", "Miller", "Davis", "Garcia", "Rodriguez",
    "Wilson", "Martinez", "Anderson", "Taylor", "Thomas", "Hernandez", "Moore", "Martin", "Jackson",
    "Thompson", "White", "Lopez", "Lee", "Gonzalez", "Harris", "Clark", "Lewis", "Robinson",
    "Walker", "Perez", "Hall", "Young", "Allen", "Sanchez", "Wright", "King", "Scott", "Green",
    "Baker", "Adams", "Nelson", "Hill", "Ramirez", "Campbell", "Mitchell", "Roberts", "Carter",
    "Phillips", "Evans", "Turner", "Torres", "Parker", "Collins", "Edwards", "Stewart", "Flores",
    "Morris", "Nguyen", "Murphy", "Rivera", "Cook", "Rogers", "Morgan", "Peterson", "Cooper",
    "Reed", "Bailey", "Bell", "Gomez", "Kelly", "Howard", "Ward", "Cox", "Diaz", "Richardson",
    "Wood", "Watson", "Brooks", "Bennett", "Gray", "James", "Reyes", "Cruz", "Hughes", "Price",
    "Myers", "Long", "Foster", "Sanders", "Ross", "Morales", "Powell", "Sullivan", "Russell",
    "Ortiz", "Jenkins", "Gutierrez", "Perry", "Butler", "Barnes", "Fisher", "Henderson",
    "Coleman", "Simmons", "Patterson", "Jordan", "Reynolds", "Hamilton", "Graham", "Kim",
    "Joyce", "Johansson", "Jost", "O\x92" "Brien", "M\xFCller", "Pe\xF1" "a", "van der Berg",
    "McDonald", "De la Cruz", "Schmidt", "Novak", "Kowalski", "Dubois", "Rossi", "Larsen",
};
const char* const kFirstNames[] = {
    "James", "Mary", "Robert", "Patricia", "John", "Jennifer", "Michael", "Linda", "David",
    "Elizabeth", "William", "Barbara", "Richard", "Susan", "Joseph", "Jessica", "Thomas", "Sarah",
    "Charles", "Karen", "Christopher", "Lisa", "Daniel", "Nancy", "Matthew", "Betty", "Anthony",
    "Margaret", "Mark", "Sandra", "Donald", "Ashley", "Steven", "Kimberly", "Paul", "Emily",
    "Andrew", "Donna", "Joshua", "Michelle", "Kenneth", "Carol", "Kevin", "Amanda", "Brian",
    "Dorothy", "George", "Melissa", "Timothy", "Deborah", "Ronald", "Stephanie", "Edward",
    "Rebecca", "Jason", "Sharon", "Jeffrey", "Laura", "Ryan", "Cynthia", "Jacob", "Kathleen",
    "Gary", "Amy", "Nicholas", "Angela", "Eric", "Shirley", "Jonathan", "Anna", "Fran\xE7oise",
    "Jos\xE9", "Zo\xEB", "Ren\xE9" "e", "Bj\xF6" "rn", "Mar\xED" "a", "Ingrid", "Pieter", "Giulia",
};
const char* const kPrefixes[] = {"Mr.", "Mrs.", "Ms.", "Dr.", "Rev.", "Prof.", "Miss", "Hon."};
const char* const kTitles[] = {
    "Office Manager", "Treasurer", "Pastor", "Owner", "Secretary", "President", "Volunteer",
    "Sales Director", "Accountant", "Teacher", "Coach", "Librarian", "Membership Chair",
    "Purchasing Agent", "Head Nurse", "Chief Engineer",
};
const char* const kOrgs[] = {
    "First Baptist Church", "Riverside Garden Club", "Acme Hardware", "Main Street Bakery",
    "Lakeside Rotary", "St. Mary\x92s Parish", "Smith & Sons \x97 Plumbing", "Hilltop Dental",
    "County Historical Society", "Blue Ridge Quilters", "Northwind Traders", "Oak Valley School",
    "Sunrise Chess Club", "Harbor Book Shop", "Caf\xE9 Europa", "Green Thumb Nursery",
};
const char* const kStreetNames[] = {
    "Main", "Oak", "Maple", "Cedar", "Elm", "Pine", "Washington", "Lake", "Hill", "Park",
    "Church", "Walnut", "Sunset", "Highland", "Jefferson", "Lincoln", "River", "Spring",
    "Madison", "Meadow", "Chestnut", "Franklin", "Mill", "Forest",
};
const char* const kStreetKinds[] = {"St.", "Ave.", "Rd.", "Blvd.", "Ln.", "Dr.", "Ct.", "Way"};
const char* const kUnitWords[] = {"Apt. ", "Suite ", "Unit ", "P.O. Box ", "Floor "};

struct Place {
    const char* city;
    const char* state;
    const char* zipPrefix; // the first three digits
    const char* area;      // telephone area code
};
const Place kPlaces[] = {
    {"Springfield", "IL", "627", "217"}, {"Columbus", "OH", "432", "614"},
    {"Austin", "TX", "787", "512"}, {"Portland", "OR", "972", "503"},
    {"Denver", "CO", "802", "303"}, {"Madison", "WI", "537", "608"},
    {"Burlington", "VT", "054", "802"}, {"Savannah", "GA", "314", "912"},
    {"Albany", "NY", "122", "518"}, {"Boise", "ID", "837", "208"},
    {"Tucson", "AZ", "857", "520"}, {"Omaha", "NE", "681", "402"},
    {"Richmond", "VA", "232", "804"}, {"Salem", "MA", "019", "978"},
    {"Lansing", "MI", "489", "517"}, {"Fargo", "ND", "581", "701"},
    {"Jackson", "MS", "392", "601"}, {"Joliet", "IL", "604", "815"},
    {"Johnstown", "PA", "159", "814"}, {"Raleigh", "NC", "276", "919"},
    {"Santa Fe", "NM", "875", "505"}, {"Billings", "MT", "591", "406"},
    {"Charleston", "SC", "294", "843"}, {"Providence", "RI", "029", "401"},
    {"Anchorage", "AK", "995", "907"}, {"Honolulu", "HI", "968", "808"},
    {"Dover", "DE", "199", "302"}, {"Nashville", "TN", "372", "615"},
};
// Postal codes of other countries, as people type them.
const char* const kForeignCodes[] = {
    "K1A 0B1", "k1a 0b1", "SW1A 1AA", "D-10115", "2000 AB", "M5V 3L9", "EC1A 1BB",
};
const char* const kEmailHosts[] = {"example.com", "mail.example.org", "club.example.net"};
const char* const kCodeWords[] = {"A", "B", "C", "AB", "AC", "BC", "VIP", "DONOR", "M", "X"};
const char* const kComments[] = {
    "Prefers e-mail", "Annual dues paid", "Paid \x80" "20 deposit", "Call after 5 pm",
    "Volunteer - spring fair", "Do not phone", "New member", "Board member",
};
const char* const kMemos[] = {
    "Met at the spring fair.\r\nInterested in the newsletter.",
    "Moved from the old address in March.",
    "Donated books to the library sale.\r\nSend a thank-you card.\r\nPrefers morning calls.",
    "Caf\xE9 owner; orders flyers twice a year.",
};

std::string upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; });
    return s;
}

std::string lowerAscii(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c >= 'A' && c <= 'Z')
            out += static_cast<char>(c + 32);
        else if (c >= 'a' && c <= 'z')
            out += c;
    }
    return out;
}

} // namespace

const std::array<AddressFieldSpec, kAddressFieldCount>& addressFieldSpecs()
{
    static const std::array<AddressFieldSpec, kAddressFieldCount> specs = {{
        {"LNAME", 'C', 30}, {"FNAME", 'C', 30}, {"MIDDLE", 'C', 1}, {"PREFIX", 'C', 12},
        {"TITLE", 'C', 30}, {"ORG", 'C', 30}, {"STREET", 'C', 40}, {"STREET2", 'C', 40},
        {"CITY", 'C', 30}, {"STATE", 'C', 20}, {"ZIP", 'C', 10}, {"COUNTRY", 'C', 30},
        {"DATE", 'C', 15}, {"PHONE", 'C', 30}, {"PHONE2", 'C', 30}, {"FAX", 'C', 40},
        {"EMAIL", 'C', 40}, {"CODES", 'C', 30}, {"USER1", 'C', 40}, {"USER2", 'C', 40},
        {"ISDEL", 'L', 1}, {"TAG", 'C', 8}, {"MEMO", 'M', 10},
    }};
    return specs;
}

const std::array<AddressTagSpec, kAddressTagCount>& addressTagSpecs()
{
    static const std::array<AddressTagSpec, kAddressTagCount> tags = {{
        {"NAME", "UPPER(LNAME-FNAME)"}, {"LNAME", "UPPER(LNAME)+UPPER(FNAME)"}, {"FNAME", "UPPER(FNAME)"},
        {"TITLE", "UPPER(TITLE)"}, {"ORG", "UPPER(ORG)"}, {"STREET", "UPPER(STREET)"},
        {"STREET2", "UPPER(STREET2)"}, {"CITY", "UPPER(CITY+STATE)"}, {"STATE", "UPPER(STATE)"},
        {"ZIP", "UPPER(ZIP)"}, {"COUNTRY", "UPPER(COUNTRY)"}, {"PHONE", "UPPER(PHONE)"},
        {"PHONE2", "UPPER(PHONE2)"}, {"EMAIL", "UPPER(EMAIL)"}, {"FAX", "UPPER(FAX)"},
        {"USER1", "UPPER(USER1)"}, {"USER2", "UPPER(USER2)"}, {"DATE", "UPPER(DATE)"},
        {"TAG", "UPPER(TAG)"}, {"CODES", "UPPER(CODES)"}, {"PREFIX", "UPPER(PREFIX)"},
        {"MIDDLE", "UPPER(MIDDLE)"}, {"DELETED", "DELETED()"}, {"STATEZIP", "UPPER(STATE-ZIP)"},
        {"ISDEL", "ISDEL"}, {"NOTISDEL", "!ISDEL"},
    }};
    return tags;
}

AddressGenerator::AddressGenerator(std::uint64_t seed, AddressMix mix)
    : state_(seed * 0x9E3779B97F4A7C15ULL + 1), mix_(mix)
{
}

// splitmix64: tiny, fast and the same everywhere.
std::uint32_t AddressGenerator::below(std::uint32_t bound)
{
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return bound == 0 ? 0 : static_cast<std::uint32_t>(z % bound);
}

const char* AddressGenerator::pick(const char* const* list, std::size_t count)
{
    return list[below(static_cast<std::uint32_t>(count))];
}

std::string AddressGenerator::digits(int count)
{
    std::string s;
    for (int i = 0; i < count; ++i)
        s += static_cast<char>('0' + below(10));
    return s;
}

std::string AddressGenerator::phone(const std::string& area)
{
    return "(" + area + ") " + digits(3) + "-" + digits(4);
}

AddressRecord AddressGenerator::next()
{
    AddressRecord r;
    fillName(r);
    fillAddress(r);
    fillContact(r);
    fillNotes(r);
    return r;
}

void AddressGenerator::fillName(AddressRecord& r)
{
    r.values[kLname] = pick(kLastNames);
    r.values[kFname] = pick(kFirstNames);
    if (below(3) != 0)
        r.values[kMiddle] = std::string(1, static_cast<char>('A' + below(26)));
    if (below(2) == 0)
        r.values[kPrefix] = pick(kPrefixes);
    if (below(3) == 0) {
        r.values[kTitle] = pick(kTitles);
        r.values[kOrg] = pick(kOrgs);
    }
}

void AddressGenerator::fillAddress(AddressRecord& r)
{
    const Place& place = kPlaces[below(sizeof kPlaces / sizeof kPlaces[0])];
    r.values[kStreet] = std::to_string(1 + below(9999)) + " " + pick(kStreetNames) + " " + pick(kStreetKinds);
    if (below(5) == 0)
        r.values[kStreet2] = std::string(pick(kUnitWords)) + std::to_string(1 + below(400));
    r.values[kCity] = place.city;
    r.values[kState] = place.state;
    r.values[kZip] = std::string(place.zipPrefix) + digits(2);
    if (below(4) == 0)
        r.values[kZip] += "-" + digits(4);
    r.values[kCountry] = below(20) == 0 ? "Canada" : "USA";
    r.values[kPhone] = phone(place.area);
    // Drawn after everything else, so that the other fields stay as in the
    // towns' list for the same seed.
    if (mix_ == AddressMix::Nationwide)
        r.values[kZip] = nationwideZip();
}

// 1 % blank, 0.5 % short, 0.5 % foreign; the rest on a 3-digit prefix whose
// rank is the smallest of four draws: rank 0 is about 4 in 1,000 records
// (packages of single ZIP codes), the last hundred ranks get a handful or
// none (left to the area distribution centres or unknown). Ranks are spread
// over the prefixes by a fixed permutation, so that every first digit has
// common and rare prefixes.
std::string AddressGenerator::nationwideZip()
{
    const std::uint32_t kind = below(1000);
    if (kind < 10)
        return {};
    if (kind < 15)
        return digits(4);
    if (kind < 20)
        return pick(kForeignCodes);
    std::uint32_t rank = below(1000);
    for (int draw = 0; draw < 3; ++draw)
        rank = std::min(rank, below(1000));
    const std::uint32_t prefix = (rank * 337 + 91) % 1000;
    std::string zip = std::to_string(1000 + prefix).substr(1) + digits(2);
    if (below(4) == 0)
        zip += "-" + digits(4);
    return zip;
}

void AddressGenerator::fillContact(AddressRecord& r)
{
    const std::uint32_t year = 1990 + below(36), month = 1 + below(12), day = 1 + below(28);
    r.values[kDate] = std::to_string(year * 10000 + month * 100 + day);
    const std::string area = r.values[kPhone].substr(1, 3);
    if (below(3) == 0)
        r.values[kPhone2] = phone(area);
    if (below(6) == 0)
        r.values[kFax] = phone(area);
    if (below(3) != 0)
        r.values[kEmail] = lowerAscii(r.values[kFname]) + "." + lowerAscii(r.values[kLname]) + "@" + pick(kEmailHosts);
}

void AddressGenerator::fillNotes(AddressRecord& r)
{
    if (below(2) == 0)
        r.values[kCodes] = pick(kCodeWords);
    if (below(4) == 0)
        r.values[kUser1] = pick(kComments);
    if (below(10) == 0)
        r.values[kUser2] = upper(pick(kComments));
    r.values[kIsdel] = mix_ == AddressMix::Nationwide && below(50) == 0 ? "T" : "F";
    if (below(20) == 0)
        r.values[kMemo] = pick(kMemos);
}

} // namespace quorvel::bench
