#include "xbase/tag_keys.h"

#include "xbase/cdx/key_encoding.h"
#include "xbase/dbf/calendar.h"

#include <cctype>
#include <charconv>

namespace xbase {

namespace {

KeyType keyTypeOf(ValueType type)
{
    switch (type) {
    case ValueType::Numeric: return KeyType::Numeric;
    case ValueType::Date: return KeyType::Date;
    case ValueType::Logical: return KeyType::Logical;
    case ValueType::Character: break;
    }
    return KeyType::Character;
}

std::string upperName(std::string name)
{
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name.substr(0, 10);
}

bool parseDate(std::string_view text, double* julianDay)
{
    int year = 0, month = 0, day = 0;
    if (text.size() != 8 || std::from_chars(text.data(), text.data() + 4, year).ptr != text.data() + 4 ||
        std::from_chars(text.data() + 4, text.data() + 6, month).ptr != text.data() + 6 ||
        std::from_chars(text.data() + 6, text.data() + 8, day).ptr != text.data() + 8 ||
        !dbf::isValidDate(year, month, day))
        return false;
    *julianDay = static_cast<double>(dbf::julianDayFromCivil({year, month, day}));
    return true;
}

} // namespace

std::string encodeKey(const Value& value, KeyType type, int keyLength)
{
    switch (type) {
    case KeyType::Numeric: return encodeNumericKey(value.num);
    case KeyType::Date: return encodeDateKey(value.num);
    case KeyType::Logical: return encodeLogicalKey(value.logical);
    case KeyType::Character: break;
    }
    std::string key = value.str.substr(0, static_cast<std::size_t>(keyLength));
    key.resize(static_cast<std::size_t>(keyLength), ' ');
    return key;
}

TagInfo describeTag(const std::string& name, const Expression& key, const std::string& forExpression)
{
    TagInfo info;
    info.name = upperName(name);
    info.keyExpression = key.text();
    info.forExpression = forExpression;
    info.keyType = keyTypeOf(key.type());
    info.keyLength = info.keyType == KeyType::Character ? key.width()
                     : info.keyType == KeyType::Logical ? 1 : 8;
    return info;
}

Status TagKeys::compile(const TagInfo& info, const Schema& schema, TagKeys* out)
{
    out->info_ = info;
    std::unique_ptr<Expression> key, condition;
    Status s = Expression::compile(info.keyExpression, schema, &key);
    if (!s)
        return Status::invalidArgument("tag " + info.name + ": " + s.message());
    if (!info.forExpression.empty()) {
        s = Expression::compile(info.forExpression, schema, &condition);
        if (!s)
            return Status::invalidArgument("tag " + info.name + " FOR: " + s.message());
    }
    // Files written elsewhere do not say what type their keys are; the
    // expression does.
    out->info_.keyType = keyTypeOf(key->type());
    out->key_ = std::move(key);
    out->for_ = std::move(condition);
    return Status::ok();
}

std::optional<std::string> TagKeys::keyOf(const RecordSource& rec) const
{
    if (for_ && !for_->isTrue(rec))
        return std::nullopt;
    if (info_.keyType != KeyType::Character)
        return encodeKey(key_->evaluate(rec), info_.keyType, info_.keyLength);
    std::string key;
    key_->evaluateKey(rec, &key);
    key.resize(static_cast<std::size_t>(info_.keyLength), ' ');
    return key;
}

Status TagKeys::seekKey(std::string_view text, std::string* key) const
{
    Value v;
    switch (info_.keyType) {
    case KeyType::Character:
        *key = std::string(text.substr(0, static_cast<std::size_t>(info_.keyLength)));
        return Status::ok();
    case KeyType::Logical:
        v.logical = !text.empty() && (std::toupper(static_cast<unsigned char>(text[0])) == 'T' || text[0] == 'Y');
        break;
    case KeyType::Date:
        if (!parseDate(text, &v.num))
            return Status::invalidArgument("not a date (YYYYMMDD): " + std::string(text));
        break;
    case KeyType::Numeric: {
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v.num);
        if (ec != std::errc() || end != text.data() + text.size())
            return Status::invalidArgument("not a number: " + std::string(text));
        break;
    }
    }
    *key = encodeKey(v, info_.keyType, info_.keyLength);
    return Status::ok();
}

} // namespace xbase
