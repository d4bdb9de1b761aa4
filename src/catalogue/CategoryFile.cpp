// SPDX-License-Identifier: GPL-3.0-or-later
// The package file layout of units, categories and whole catalogues.
#include "catalogue/Category.h"
#include "catalogue/FileAccess.h"
#include "catalogue/ValueStream.h"

namespace qv {

void TUnit::WriteTo(ValueWriter& writer) const
{
    writer.WriteString(Symbol);
    writer.WriteString(Definition);
    writer.WriteExtended(Factor);
    writer.WriteBoolean(Custom);
    writer.WriteBoolean(Hidden);
}

void TUnit::ReadFrom(ValueReader& reader)
{
    Symbol = reader.ReadString();
    Definition = reader.ReadString();
    Factor = reader.ReadExtended();
    Custom = reader.ReadBoolean();
    Hidden = reader.ReadBoolean();
}

void TCategory::WriteTo(ValueWriter& writer) const
{
    writer.WriteString(Name);
    writer.WriteListBegin();
    for (const TUnit& unit : UnitItems) unit.WriteTo(writer);
    writer.WriteListEnd();
    writer.WriteExtended(Value);
    writer.WriteInteger(DefaultIndex);
    writer.WriteInteger(EntryIndex);  // the file keeps EntryIndex before SelectedIndex
    writer.WriteInteger(SelectedIndex);
    writer.WriteBoolean(Custom);
}

void TCategory::ReadFrom(ValueReader& reader)
{
    UnitItems.clear();
    Name = reader.ReadString();
    reader.ReadListBegin();
    while (!reader.EndOfList()) {
        TUnit unit;
        unit.ReadFrom(reader);
        UnitItems.push_back(std::move(unit));
    }
    reader.ReadListEnd();
    Value = reader.ReadExtended();
    DefaultIndex = reader.ReadInteger();
    EntryIndex = reader.ReadInteger();
    SelectedIndex = reader.ReadInteger();
    Custom = reader.ReadBoolean();
}

void TCategories::WriteTo(ValueWriter& writer) const
{
    writer.WriteBoolean(Active);
    writer.WriteString(Caption);
    writer.WriteListBegin();
    for (const TCategory& category : Categories) category.WriteTo(writer);
    writer.WriteListEnd();
}

void TCategories::ReadFrom(ValueReader& reader)
{
    Categories.clear();
    Active = reader.ReadBoolean();
    Caption = reader.ReadString();
    reader.ReadListBegin();
    while (!reader.EndOfList()) {
        TCategory category;
        category.ReadFrom(reader);
        Categories.push_back(std::move(category));
    }
    reader.ReadListEnd();
}

void TCategories::SaveToFile(const std::string& path) const
{
    WriteFileAtomically(path, [this](std::FILE* file) {
        ValueWriter writer(file);
        WriteTo(writer);
        writer.Finish();
    });
}

void TCategories::LoadFromFile(const std::string& path)
{
    Categories.clear();
    InputFile in = OpenForReading(path);
    ValueReader reader(in.file.get(), in.size);
    ReadFrom(reader);
}

}  // namespace qv
