#pragma once

#include <QLatin1String>
#include <QString>

#include <array>
#include <optional>
#include <span>

namespace quorvel {

class TIniFile;

// One character field whose width a new address file takes from the
// settings ("NewFileFieldLengths", key "Field" + name).
struct TNewFileField {
    QLatin1String name;
    int defaultWidth;
};

// The eighteen widths used when a new address file is created.
class TNewFileFieldLengths {
public:
    static constexpr int kCount = 18;
    static constexpr int kMinWidth = 5;
    static constexpr int kMaxWidth = 80;

    // The widths of a standard address file.
    TNewFileFieldLengths();

    static std::span<const TNewFileField> fields();
    // What the "Defaults" button of the field length dialog puts back: the
    // standard widths, but a fax number of 30.
    static TNewFileFieldLengths buttonDefaults();

    // Reads every key; a missing key or a width outside 5..80 gives the
    // field's standard width.
    static TNewFileFieldLengths load(const TIniFile& ini);
    // Writes all eighteen (validated the same way) in one rewrite.
    bool save(TIniFile& ini) const;

    // Field name in capitals ("LNAME"); nothing for a field without a key.
    std::optional<int> width(QStringView field) const;
    void setWidth(QStringView field, int width);
    int widthAt(int index) const { return widths_[static_cast<std::size_t>(index)]; }

    // The width itself when it lies in 5..80, else the field's standard one.
    static int validated(int index, int width);

    bool operator==(const TNewFileFieldLengths&) const = default;

private:
    static int indexOf(QStringView field);

    std::array<int, kCount> widths_;
};

} // namespace quorvel
