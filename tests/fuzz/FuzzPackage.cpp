// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the package reader. Every input either loads or fails with a
// file error; a catalogue that loads saves again and loads back the same,
// field for field and bit for bit; and every position stored in it, used the
// way the main window uses it, gives a value or raises, never crashes.
#include "FuzzCheck.h"
#include "catalogue/Category.h"
#include "catalogue/ValueStream.h"
#include "expr/FormatValue.h"
#include "expr/NumberText.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace qv::fuzz {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Reads a catalogue from bytes through the package file reader.
bool Load(TCategories& catalogue, const std::uint8_t* data, std::size_t size)
{
    // fmemopen refuses an empty buffer; the reader is told the true size.
    static std::uint8_t none = 0;
    std::FILE* file = fmemopen(size ? const_cast<std::uint8_t*>(data) : &none, size ? size : 1, "rb");
    Check(file != nullptr, "fmemopen");
    ValueReader reader(file, size);
    const bool loaded = Attempt<EFileError>([&] { catalogue.ReadFrom(reader); });
    std::fclose(file);
    return loaded;
}

Bytes Save(const TCategories& catalogue)
{
    char* buffer = nullptr;
    std::size_t length = 0;
    std::FILE* file = open_memstream(&buffer, &length);
    Check(file != nullptr, "open_memstream");
    ValueWriter writer(file);
    const bool saved = Attempt<EFileError>([&] {
        catalogue.WriteTo(writer);
        writer.Finish();
    });
    std::fclose(file);
    Bytes bytes(buffer, buffer + length);
    std::free(buffer);
    Check(saved, "a catalogue that loaded saves");
    return bytes;
}

bool SameBits(Extended a, Extended b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

bool SameUnits(const TCategory& a, const TCategory& b)
{
    if (a.UnitCount() != b.UnitCount()) return false;
    for (std::int32_t i = 0; i < a.UnitCount(); ++i) {
        const TUnit& x = a.UnitAt(i);
        const TUnit& y = b.UnitAt(i);
        if (x.Symbol != y.Symbol || x.Definition != y.Definition || !SameBits(x.Factor, y.Factor) ||
            x.Custom != y.Custom || x.Hidden != y.Hidden)
            return false;
    }
    return true;
}

bool SameCatalogue(const TCategories& a, const TCategories& b)
{
    if (a.Active != b.Active || a.Caption != b.Caption || a.CategoryCount() != b.CategoryCount()) return false;
    for (std::int32_t i = 0; i < a.CategoryCount(); ++i) {
        const TCategory& x = a.CategoryAt(i);
        const TCategory& y = b.CategoryAt(i);
        if (x.Name != y.Name || !SameBits(x.Value, y.Value) || x.DefaultIndex != y.DefaultIndex ||
            x.EntryIndex != y.EntryIndex || x.SelectedIndex != y.SelectedIndex || x.Custom != y.Custom ||
            !SameUnits(x, y))
            return false;
    }
    return true;
}

void UseStoredPositions(const TCategories& catalogue)
{
    const std::int32_t count = catalogue.CategoryCount();
    for (std::int32_t outside : {-1, count})
        Check(!Attempt<EListError>([&] { catalogue.CategoryAt(outside); }), "a category outside the list raises");

    for (std::int32_t i = 0; i < count; ++i) {
        const TCategory& category = catalogue.CategoryAt(i);
        const std::int32_t units = category.UnitCount();
        for (std::int32_t position : {category.DefaultIndex, category.EntryIndex, category.SelectedIndex, -1, units}) {
            const bool inside = position >= 0 && position < units;
            Check(Attempt<EListError>([&] { category.UnitAt(position); }) == inside,
                  "a unit position raises exactly when it is outside the list");
        }
        // The entry field shows the value; the grid and the status line show
        // it converted into each unit.
        for (bool hex : {false, true}) Attempt<EMathError>([&] { DisplayText(category.Value, hex); });
        category.VisibleUnitCount();
        for (std::int32_t u = 0; u < units; ++u) {
            Attempt<EQuantovaError>([&] {
                const Extended v = category.ConvertTo(u);
                FormatValue(v, 2 + u % 17, u % 2 == 1);
            });
        }
        // A new default unit rebases every factor, or none of them.
        TCategory rebased = category;
        if (!Attempt<EQuantovaError>([&] { rebased.SetDefaultUnit(category.SelectedIndex); }))
            Check(SameUnits(rebased, category), "a failed change of the default unit changes no factor");
    }
}

}  // namespace
}  // namespace qv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qv;
    using namespace qv::fuzz;
    TCategories first;
    const bool loaded = Load(first, data, size);
    UseStoredPositions(first);  // also what a failed load left behind
    if (!loaded) return 0;

    const Bytes saved = Save(first);
    TCategories second;
    Check(Load(second, saved.data(), saved.size()), "a saved catalogue loads");
    Check(SameCatalogue(first, second), "a saved catalogue loads back the same");
    Check(Save(second) == saved, "saving again gives the same bytes");
    return 0;
}
