#include "l10n/translator/TargetProperties.h"

#include "framework/core/Exceptions.h"
#include "framework/layout/Filer.h"
#include "framework/layout/Reader.h"
#include "framework/layout/Writer.h"
#include "l10n/dictionary/Dictionary.h"

#include <algorithm>

namespace {

constexpr int kTargetsDataVersion = 1;

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool AsciiSameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return AsciiLower(x) == AsciiLower(y);
    });
}

} // namespace

TIvTargetProperty::TIvTargetProperty(
    std::string className, std::uint8_t kind, std::string propertyName)
    : ClassName(std::move(className))
    , PropertyName(std::move(propertyName))
    , Kind(kind)
{ }

TIvTargetProperties::TIvTargetProperties(QObject* parent)
    : QObject(parent)
{ }

const TIvTargetProperty& TIvTargetProperties::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw ERangeError();
    return m_entries[static_cast<size_t>(index)];
}

void TIvTargetProperties::Add(const TIvTargetProperty& entry)
{
    m_entries.push_back(entry);
    if (entry.Kind == ivtkExclude)
        ++m_exclusionCount;
}

void TIvTargetProperties::Clear()
{
    m_entries.clear();
    m_exclusionCount = 0;
}

int TIvTargetProperties::IndexOf(const TIvTargetProperty& entry) const
{
    const auto found = std::find(m_entries.begin(), m_entries.end(), entry);
    return found == m_entries.end() ? -1 : static_cast<int>(found - m_entries.begin());
}

void TIvTargetProperties::Assign(const TIvTargetProperties& source)
{
    if (&source == this)
        return;
    Clear();
    for (const TIvTargetProperty& entry : source.m_entries)
        Add(entry);
}

bool TIvTargetProperties::SameAs(const TIvTargetProperties& other) const
{
    return Count() == other.Count()
        && std::all_of(m_entries.begin(), m_entries.end(),
            [&other](const TIvTargetProperty& entry) { return other.IndexOf(entry) >= 0; });
}

bool TIvTargetProperties::Matches(
    const TIvTargetProperty& entry, std::string_view className, std::string_view propertyName)
{
    if ((entry.ClassName.empty() || AsciiSameText(entry.ClassName, className))
        && AsciiSameText(entry.PropertyName, propertyName))
        return true;
    return !entry.ClassName.empty() && AsciiSameText(entry.ClassName, className)
        && entry.PropertyName.empty();
}

bool TIvTargetProperties::IsExcluded(
    std::string_view className, std::string_view propertyName) const
{
    if (m_exclusionCount <= 0)
        return false;
    return std::any_of(m_entries.begin(), m_entries.end(), [&](const TIvTargetProperty& entry) {
        return entry.Kind == ivtkExclude && Matches(entry, className, propertyName);
    });
}

bool TIvTargetProperties::IsTarget(std::string_view className, std::string_view propertyName) const
{
    if (IsExcluded(className, propertyName))
        return false;
    return std::any_of(m_entries.begin(), m_entries.end(), [&](const TIvTargetProperty& entry) {
        return entry.Kind == ivtkInclude && Matches(entry, className, propertyName);
    });
}

void TIvTargetProperties::ReadTargetsData(TReader& reader)
{
    reader.ReadListBegin();
    const int version = reader.ReadInteger();
    if (version > kTargetsDataVersion)
        throw EIvMulti("Unknown target properties data version: " + std::to_string(version));
    const int count = reader.ReadInteger();
    // No room is reserved for the claimed count: a count larger than the
    // stream runs into the reader's end-of-data check.
    for (int i = 0; i < count; ++i) {
        reader.ReadListBegin();
        std::string className = reader.ReadString();
        std::string propertyName = reader.ReadString();
        const auto kind = static_cast<std::uint8_t>(reader.ReadInteger());
        reader.ReadListEnd();
        TIvTargetProperty entry(std::move(className), kind, std::move(propertyName));
        if (IndexOf(entry) < 0)
            Add(entry);
    }
    reader.ReadListEnd();
}

bool TIvTargetProperties::HasTargetsData(const TIvTargetProperties* ancestor) const
{
    return Count() > 0 && !(ancestor && ancestor->SameAs(*this));
}

void TIvTargetProperties::WriteTargetsData(
    TWriter& writer, const TIvTargetProperties* ancestor) const
{
    std::vector<const TIvTargetProperty*> written;
    for (const TIvTargetProperty& entry : m_entries)
        if (!ancestor || ancestor->IndexOf(entry) < 0)
            written.push_back(&entry);
    writer.WriteListBegin();
    writer.WriteInteger(kTargetsDataVersion);
    writer.WriteInteger(static_cast<int32_t>(written.size()));
    for (const TIvTargetProperty* entry : written) {
        writer.WriteListBegin();
        writer.WriteString(entry->ClassName);
        writer.WriteString(entry->PropertyName);
        writer.WriteInteger(entry->Kind);
        writer.WriteListEnd();
    }
    writer.WriteListEnd();
}

void TIvTargetProperties::ReadLegacyData(TReader& reader)
{
    Clear();
    reader.ReadListBegin();
    const int count = reader.ReadInteger();
    for (int i = 0; i < count; ++i) {
        std::string className = reader.ReadString();
        std::string propertyName = reader.ReadString();
        Add(TIvTargetProperty(std::move(className), ivtkInclude, std::move(propertyName)));
    }
    reader.ReadListEnd();
}

void TIvTargetProperties::DefineProperties(TFiler& filer)
{
    filer.DefineProperty(
        "Data", [this](TReader& reader) { ReadLegacyData(reader); }, nullptr, false);
}

void DefineTargetsData(TFiler& filer, TIvTargetProperties& targets)
{
    filer.DefineProperty(
        "TargetsData", [&targets](TReader& reader) { targets.ReadTargetsData(reader); },
        [&targets](TWriter& writer) { targets.WriteTargetsData(writer, nullptr); },
        targets.HasTargetsData(nullptr));
}
