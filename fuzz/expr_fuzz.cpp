// Compiles arbitrary text as an expression against an address-like table and,
// when it compiles, evaluates it on a fixed record and checks that its
// normalised text compiles to the same normalised text.

#include "xbase/expr/expression.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

xbase::FieldInfo field(const char* name, char type, int width, int decimals = 0)
{
    xbase::FieldInfo f;
    f.name = name;
    f.type = type;
    f.width = width;
    f.decimals = decimals;
    return f;
}

class FixedRecord : public xbase::RecordSource {
public:
    FixedRecord()
        : schema_{field("LNAME", 'C', 30), field("FNAME", 'C', 30), field("CITY", 'C', 30), field("STATE", 'C', 20),
                  field("ZIP", 'C', 10),   field("DATE", 'C', 15),  field("CODES", 'C', 30), field("TAG", 'C', 8),
                  field("ISDEL", 'L', 1),  field("AMOUNT", 'N', 10, 2), field("BORN", 'D', 8), field("MEMO", 'M', 10),
                  field("COUNT", 'I', 4),  field("PRICE", 'Y', 8)}
    {
        int offset = 1;
        for (auto& f : schema_) {
            f.offset = offset;
            offset += f.width;
        }
        record_.assign(static_cast<std::size_t>(offset), ' ');
        put("LNAME", "O'Brien \xC9lodie");
        put("FNAME", "J\xFCrgen");
        put("CITY", "Boston");
        put("STATE", "MA");
        put("ZIP", "02110");
        put("DATE", "19970428");
        put("CODES", "abc");
        put("TAG", "1XYZ");
        put("ISDEL", "F");
        put("AMOUNT", "   -123.45");
        put("BORN", "19960229");
        put("COUNT", std::string("\xFF\xFF\xFF\x7F", 4));
        put("PRICE", std::string("\x01\x00\x00\x00\x00\x00\x00\x80", 8));
    }

    const xbase::Schema& schema() const override { return schema_; }
    const unsigned char* recordBuffer() const override { return record_.data(); }
    std::uint32_t recordNumber() const override { return 7; }
    std::string memoText(int) const override { return "Call about the urgent order"; }

private:
    void put(const char* name, const std::string& value)
    {
        const auto& f = schema_[static_cast<std::size_t>(xbase::findField(schema_, name))];
        std::copy(value.begin(), value.end(), record_.begin() + f.offset);
    }

    xbase::Schema schema_;
    std::vector<unsigned char> record_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const FixedRecord record;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<xbase::Expression> e;
    if (!xbase::Expression::compile(text, record.schema(), &e).isOk())
        return 0;
    for (bool exact : {false, true}) {
        (void)e->evaluate(record, xbase::EvalOptions{exact});
        (void)e->isTrue(record, xbase::EvalOptions{exact});
    }
    std::string key;
    e->evaluateKey(record, &key);
    if (e->type() == xbase::ValueType::Character && key.size() != static_cast<std::size_t>(e->width()))
        std::abort();
    (void)e->concatenationParts();
    (void)e->prefixTerms();
    const std::string canonical = e->canonical();
    std::unique_ptr<xbase::Expression> again;
    if (!xbase::Expression::compile(canonical, record.schema(), &again).isOk() || again->canonical() != canonical
        || again->type() != e->type() || again->width() != e->width())
        std::abort();
    return 0;
}
