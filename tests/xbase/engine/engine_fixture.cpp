#include "engine_fixture.h"

#include "address_generator.h"
#include "xbase/dbf/field_codec.h"

#include <array>
#include <cstdio>

namespace engine_test {

using xbase::WorkArea;

namespace {

void putField(WorkArea& area, const std::string& name, const std::string& value)
{
    ASSERT_OK(area.replace(xbase::findField(area.schema(), name), value));
}

void createTable(const std::string& path, const xbase::Schema& schema)
{
    std::unique_ptr<xbase::DbfTable> table;
    ASSERT_OK(xbase::DbfTable::create(path, schema, {}, &table));
}

} // namespace

std::unique_ptr<WorkArea> openArea(const std::string& path, xbase::EngineSettings settings, xbase::OpenMode mode)
{
    std::unique_ptr<WorkArea> area;
    const xbase::Status s = WorkArea::open(path, mode, settings, &area);
    EXPECT_OK(s);
    return area;
}

std::string createPeople(const testing_support::TempDir& dir, const std::vector<Person>& people, const std::string& file)
{
    const std::string path = dir.file(file);
    createTable(path, {{"NAME", 'C', 10, 0, 0}, {"CITY", 'C', 12, 0, 0}, {"AGE", 'N', 3, 0, 0},
                       {"ISDEL", 'L', 1, 0, 0}, {"NOTES", 'M', 10, 0, 0}});
    auto area = openArea(path);
    if (!area)
        return path;
    EXPECT_OK(area->indexTag("NAME", "UPPER(NAME)"));
    EXPECT_OK(area->indexTag("CITY", "UPPER(CITY)+UPPER(NAME)"));
    EXPECT_OK(area->indexTag("AGE", "AGE"));
    for (const Person& p : people) {
        EXPECT_OK(area->appendBlank());
        putField(*area, "NAME", p.name);
        putField(*area, "CITY", p.city);
        putField(*area, "AGE", std::to_string(p.age));
        putField(*area, "ISDEL", p.isdel ? "T" : "F");
        if (!p.notes.empty())
            putField(*area, "NOTES", p.notes);
        EXPECT_OK(area->commit());
    }
    EXPECT_OK(area->close());
    return path;
}

std::string fieldOf(const WorkArea& area, const std::string& field)
{
    const int index = xbase::findField(area.schema(), field);
    const xbase::FieldInfo& info = area.schema()[static_cast<std::size_t>(index)];
    if (info.type == 'M')
        return area.record().memoText(index);
    return xbase::fieldText(area.record().recordBuffer(), info);
}

std::vector<std::string> namesDown(WorkArea& area)
{
    std::vector<std::string> names;
    for (expectOk(area.goTop()); !area.eof(); expectOk(area.skip(1)))
        names.push_back(fieldOf(area, "NAME"));
    return names;
}

std::vector<std::string> namesUp(WorkArea& area)
{
    std::vector<std::string> names;
    for (expectOk(area.goBottom()); !area.eof() && !area.bof(); expectOk(area.skip(-1)))
        names.push_back(fieldOf(area, "NAME"));
    return names;
}

std::vector<std::uint32_t> recnosDown(WorkArea& area)
{
    std::vector<std::uint32_t> recnos;
    for (expectOk(area.goTop()); !area.eof(); expectOk(area.skip(1)))
        recnos.push_back(area.recNo());
    return recnos;
}

std::string createAddressTable(const testing_support::TempDir& dir, int count, const std::string& file)
{
    using namespace quorvel::bench;
    const std::string path = dir.file(file);
    xbase::Schema schema;
    for (const AddressFieldSpec& spec : addressFieldSpecs())
        schema.push_back({spec.name, spec.type, spec.width, 0, 0});
    createTable(path, schema);
    auto area = openArea(path);
    if (!area)
        return path;
    for (const AddressTagSpec& tag : addressTagSpecs())
        EXPECT_OK(area->indexTag(tag.name, tag.keyExpression));
    AddressGenerator generator(7);
    for (int i = 0; i < count; ++i) {
        const AddressRecord r = generator.next();
        EXPECT_OK(area->appendBlank());
        for (int f = 0; f < kAddressFieldCount; ++f)
            if (!r.values[f].empty())
                putField(*area, addressFieldSpecs()[static_cast<std::size_t>(f)].name, r.values[f]);
    }
    EXPECT_OK(area->close());
    return path;
}

bool addressIndexNeedsRebuild(const WorkArea& area)
{
    if (area.indexesSuspect() || !area.indexProblem().isOk())
        return true;
    for (const auto& tag : quorvel::bench::addressTagSpecs())
        if (area.findOrder(tag.name) < 0)
            return true;
    return false;
}

void rebuildAddressIndexes(WorkArea& area)
{
    ASSERT_OK(area.removeStructuralIndex());
    ASSERT_OK(area.pack());
    for (const auto& tag : quorvel::bench::addressTagSpecs())
        ASSERT_OK(area.indexTag(tag.name, tag.keyExpression));
}

} // namespace engine_test
